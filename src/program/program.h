#pragma once

#include "model/form.h"
#include "platform/platform.h"

namespace lurnatik {

// The one place that attaches every handler to its control's event.
void attachHandlers(Form1& form, Platform& platform);

// The window model with its handlers attached, ready for start-up.
class Program {
  public:
    explicit Program(Platform& platform) : platform_(platform) { attachHandlers(form, platform); }
    Form1 form;
    void startUp();

  private:
    Platform& platform_;
};

}  // namespace lurnatik
