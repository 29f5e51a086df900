#pragma once

#include "app/TForm1.h"
#include "platform/dialogs/Dialogs.h"

namespace paginox {

template <typename Signal, typename Sender>
void TForm1::Handle(Sender* sender, Signal signal, void (TForm1::*handler)())
{
    connect(sender, signal, this, [this, handler] { RunGuarded(FDialogs, [&] { (this->*handler)(); }); });
}

} // namespace paginox
