#include "FileDialog.h"

#include <QFileDialog>

QString FileDialog::getOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                                    const QString& filter)
{
    if (m_hasNextFileName) {
        m_hasNextFileName = false;
        return m_nextFileName;
    }
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

void FileDialog::setNextFileName(const QString& fileName)
{
    m_nextFileName = fileName;
    m_hasNextFileName = true;
}

FileDialog* FileDialog::instance()
{
    static FileDialog dialog;
    return &dialog;
}
