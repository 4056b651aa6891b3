// Builds the application and shows its one window.
#include "app/form1.h"
#include "platform/application.h"

int main(int argc, char *argv[])
{
    Application application(argc, argv);
    Form1 form;
    form.show();
    return application.exec();
}
