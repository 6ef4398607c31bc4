#include "PopupEscape.h"

#include <QApplication>
#include <QKeyEvent>

bool PopupEscape::eventFilter(QObject* watched, QEvent* event)
{
    // An accepted override hands the key to the focused widget as a plain
    // key press, and the popup closes itself on it.
    if (event->type() == QEvent::ShortcutOverride && QApplication::activePopupWidget()
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        event->accept();
    return QObject::eventFilter(watched, event);
}
