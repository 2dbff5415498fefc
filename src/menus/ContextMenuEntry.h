#pragma once
#include "core/VekBase.h"
#include "core/VekBasePointer.h"

/// One item of a menu: a weak link to its widget, which goes null when the widget dies.
class ContextMenuEntry : public VekBase {
  public:
    explicit ContextMenuEntry(VekBase* widget) : item(widget) {}

    VekBasePointer item;
};
