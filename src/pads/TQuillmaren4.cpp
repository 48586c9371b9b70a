#include "pads/TQuillmaren4.h"

TQuillmaren4::TQuillmaren4(CompositionEngine &engine, QWidget *parent) : TQuillmaren(engine, parent)
{
    setObjectName(QStringLiteral("TQuillmaren4"));
}
