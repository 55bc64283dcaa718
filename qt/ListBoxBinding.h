#pragma once

#include "ui/ListBox.h"

#include <QListWidget>

namespace qt {

// The list widget of a headless list box. It mirrors the lines, the selected line and the font; clicks,
// double clicks, the keys and the release of any mouse button go to the control.
class ListBoxBinding : public QListWidget {
public:
    ListBoxBinding(ui::ListBox& control, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void popUpFromKeyboard();
    void resetLines();
    void mirrorSelection();

    ui::ListBox& control_;
};

} // namespace qt
