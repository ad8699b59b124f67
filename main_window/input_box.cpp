#include "main_window/input_box.h"

#include "main_window/twips.h"

#include <QApplication>
#include <QInputDialog>

QString QtInputBox::ask(const QString& prompt, const QString& caption, const QString& defaultText,
                        QPoint topLeftTwips) {
    QInputDialog box(QApplication::activeModalWidget());
    box.setWindowTitle(caption);
    box.setLabelText(prompt);
    box.setTextValue(defaultText);
    box.setWindowModality(Qt::ApplicationModal);
    box.move(px(topLeftTwips.x()), px(topLeftTwips.y()));
    if (box.exec() != QDialog::Accepted)
        return {};
    return box.textValue();
}
