#include "main_window/message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace {
QWidget* dialogParent() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}
} // namespace

int QtMessageBox::show(const QString& text, int style, const QString& caption,
                       const QString& reason) {
    QMessageBox box(dialogParent());
    box.setWindowTitle(caption);
    box.setText(text);
    box.setWindowModality(Qt::ApplicationModal);
    if (style == kStyleInformation) {
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
    } else if (style == kStyleExclamationRetryCancel) {
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Retry);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Ok);
    }
    // Read with the button the box opens on.
    if (QAbstractButton* answer = box.buttons().value(0))
        answer->setAccessibleDescription(reason);
    switch (box.exec()) {
    case QMessageBox::Retry:
        return kAnswerRetry;
    case QMessageBox::Cancel:
        return kAnswerCancel;
    default:
        return kAnswerOk;
    }
}
