#include "ui/messages.h"
#include "ui/tform1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    nelin::ModalMessageBoxes messages;
    nelin::TForm1 form(messages);
    form.show();
    return application.exec();
}
