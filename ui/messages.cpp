#include "ui/messages.h"

#include "platform/errors.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>

namespace nelin {
namespace {

// A message box whose Ctrl+C copies its caption, text and button to the
// clipboard between dashed rules, as the desktop's own message boxes do, so
// that a message can be passed on to a teacher or a bug report.
class MessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!event->matches(QKeySequence::Copy)) {
            QMessageBox::keyPressEvent(event);
            return;
        }
        const QString rule = QStringLiteral("---------------------------\n");
        QGuiApplication::clipboard()->setText(rule + windowTitle() + QLatin1Char('\n') + rule + text() +
                                              QLatin1Char('\n') + rule + QStringLiteral("OK\n") + rule);
        event->accept();
    }
};

} // namespace

QString ApplicationTitle(const QString& programPath)
{
    const QString name = QFileInfo(programPath).completeBaseName();
    return name.left(1) + name.mid(1).toLower();
}

ModalMessageBoxes::ModalMessageBoxes(QWidget* parent) : parent_(parent) {}

void ModalMessageBoxes::ShowError(const QString& message)
{
    const QString text = QString::fromStdString(ErrorBoxText(message.toStdString()));
    MessageBox box(QMessageBox::Critical, ApplicationTitle(QCoreApplication::applicationFilePath()), text,
                    QMessageBox::Ok, parent_);
    box.exec();
}

void ModalMessageBoxes::ShowRangeMessage()
{
    MessageBox box(QMessageBox::NoIcon, ApplicationTitle(QCoreApplication::applicationFilePath()),
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
