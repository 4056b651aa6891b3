// The program's own start (as in src/app/main.cpp), ended at its first painted frame.
#include "app/form1.h"
#include "firstframeprobe.h"
#include "platform/application.h"
#include "platform/qt/nativewidget.h"

int main(int argc, char *argv[])
{
    Application application(argc, argv);
    Form1 form;
    FirstFrameProbe probe(nativeWidget(form));
    form.show();
    return application.exec();
}
