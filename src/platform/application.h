// The application object: reports an error that reaches the event loop, then ends the program.
#pragma once

#include <QApplication>

class Application : public QApplication
{
public:
    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};

// Ends the program at once, from wherever it is called, nested event dispatch included.
[[noreturn]] void endProgram(int exitCode = 0);
