#include "ui/messages.h"

#include "platform/errors.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>

namespace nelin {

QString ApplicationTitle(const QString& programPath)
{
    const QString name = QFileInfo(programPath).completeBaseName();
    return name.left(1) + name.mid(1).toLower();
}

ModalMessageBoxes::ModalMessageBoxes(QWidget* parent) : parent_(parent) {}

void ModalMessageBoxes::ShowError(const QString& message)
{
    const QString text = QString::fromStdString(ErrorBoxText(message.toStdString()));
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(QCoreApplication::applicationFilePath()), text,
                    QMessageBox::Ok, parent_);
    box.exec();
}

void ModalMessageBoxes::ShowRangeMessage()
{
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(QCoreApplication::applicationFilePath()),
                    QString::fromUtf8(RangeMessage), QMessageBox::Ok);
    box.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = box.frameGeometry();
        frame.moveCenter(screen->geometry().center());
        box.move(frame.topLeft());
    }
    box.exec();
}

} // namespace nelin
