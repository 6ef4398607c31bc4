#ifndef VELKARO_POPUPESCAPE_H
#define VELKARO_POPUPESCAPE_H

#include <QObject>

// Esc with a popup open (the network list, a context menu) belongs to that
// popup: it closes the popup, as in every Windows program, instead of
// firing the window's Esc shortcut. Installed on the application.
class PopupEscape : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

#endif // VELKARO_POPUPESCAPE_H
