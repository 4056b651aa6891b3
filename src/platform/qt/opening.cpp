// The command line's problem, and the message about it in a box over the window.
#include "platform/opening.h"

#include "platform/qt/nativewidget.h"
#include "platform/qt/qtext.h"

#include <QApplication>
#include <QMessageBox>

// QApplication has taken its own options out of the arguments already.
std::u16string openingText()
{
    QStringList arguments = QCoreApplication::arguments();
    if (!arguments.isEmpty())
        arguments.removeFirst();
    return fromQString(arguments.join(u' '));
}

// Plain text, so that nothing in a link is ever read as markup.
void showMessage(const Window &window, const std::u16string &text)
{
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("tavilo"), toQString(text),
                                QMessageBox::Ok, &nativeWidget(window));
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

// The text itself is what the command line takes.
std::u16string problemLink(const std::u16string &problemText)
{
    return problemText;
}

// A desktop edition opens on what its command line gives; there is no address to keep.
void keepProblem(const std::u16string &) {}
