// Telling screen readers what a widget shows.
#pragma once

#include <QString>

class QWidget;

// Gives the widget its accessible description. While a screen reader listens, Qt passes every
// setting on to it as a description change, the same text again included; an unchanged text is
// therefore left alone, so that nothing is read out twice.
void updateAccessibleDescription(QWidget &widget, const QString &description);
