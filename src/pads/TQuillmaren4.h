#pragma once

#include "pads/TQuillmaren.h"

/// The letter pad of the training question frame: a guide that shows the follow-up keys of a
/// pending trigger; a click inserts nothing.
class TQuillmaren4 : public TQuillmaren
{
    Q_OBJECT

public:
    TQuillmaren4(CompositionEngine &engine, QWidget *parent);
};
