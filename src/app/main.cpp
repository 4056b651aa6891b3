// Builds the application and shows its one window, on the problem it was opened with.
#include "app/opening.h"
#include "platform/application.h"
#include "platform/opening.h"

int main(int argc, char *argv[])
{
    Application application(argc, argv);
    const std::unique_ptr<Form1> form = openLesson(openingText());
    return application.exec();
}
