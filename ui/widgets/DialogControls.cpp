#include "widgets/DialogControls.h"

#include "widgets/DialogButton.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace dialog_controls {

void SetUpFixedWindow(QDialog& dialog, const QString& objectName, const QString& caption,
                      QSize client) {
    dialog.setObjectName(objectName);
    dialog.setWindowTitle(caption);
    // Fixed border with the system menu and close box only: no minimise, maximise or help.
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint);
    dialog.setFixedSize(client);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    dialog.setFont(font);
}

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, int x, int y,
                 bool bold) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    if (bold) {
        MakeBold(label);
    }
    label->move(x, y);
    label->adjustSize();
    return label;
}

QLabel* AddSizedLabel(QWidget* parent, const QString& name, const QString& text, QRect place,
                      Qt::Alignment alignment, bool wrap) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setAlignment(alignment);
    label->setWordWrap(wrap);
    return label;
}

QPushButton* AddButton(QWidget* parent, const QString& name, const QString& text, QRect place,
                       bool bold) {
    auto* button = new DialogButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(place);
    if (bold) {
        MakeBold(button);
    }
    return button;
}

void SetFontColour(std::initializer_list<QWidget*> widgets, const QColor& colour) {
    for (QWidget* widget : widgets) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, colour);
        widget->setPalette(palette);
    }
}

void MakeBold(QWidget* widget) {
    // Only the weight is set, so family and size still come from the window.
    QFont font;
    font.setBold(true);
    widget->setFont(font);
}

} // namespace dialog_controls
