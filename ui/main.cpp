#include "ui/messages.h"
#include "ui/tform1.h"

#include <QApplication>

#include <csignal>

int main(int argc, char* argv[])
{
    // A file-size limit makes a write fail with "Stream write error" instead
    // of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    nelin::ModalMessageBoxes messages;
    nelin::TForm1 form(messages);
    form.show();
    return application.exec();
}
