#ifndef VELKARO_FILEDIALOG_H
#define VELKARO_FILEDIALOG_H

#include <QString>

class QWidget;

// The open-file dialog behind one door, so that tests can answer it the way
// a user would without a native dialog on screen.
class FileDialog
{
public:
    QString getOpenFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter);

    // The next request returns this name at once instead of showing a dialog;
    // an empty name plays a cancelled dialog.
    void setNextFileName(const QString& fileName);

    static FileDialog* instance();

private:
    QString m_nextFileName;
    bool m_hasNextFileName = false;
};

inline FileDialog* fileDialog()
{
    return FileDialog::instance();
}

#endif // VELKARO_FILEDIALOG_H
