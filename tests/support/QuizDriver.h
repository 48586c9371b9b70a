#pragma once

#include "support/WidgetLookup.h"
#include "training/TQType1.h"
#include "training/TStdScore.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

/// Types text into the question frame's answer box within scope and presses Enter there, which
/// judges it.
inline void AnswerWith(const QObject *scope, const QString &text)
{
    auto *answer = Find<QPlainTextEdit>(FindPad<TQType1>(scope), "Memo5");
    answer->setPlainText(text);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(answer, &enter);
}

/// Clicks the score board's NEXT within scope.
inline void PressNext(const QObject *scope)
{
    QTest::mouseClick(Find<QPushButton>(FindPad<TStdScore>(scope), "NextBtn"), Qt::LeftButton);
}
