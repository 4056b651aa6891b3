#include "app/opening.h"

#include "platform/opening.h"

std::unique_ptr<Form1> openLesson(const std::u16string &text)
{
    const ProblemReading reading = readProblem(text);
    auto form = std::make_unique<Form1>(reading.problem);
    form->show();
    if (reading.error)
        showMessage(*form, reading.message());
    return form;
}
