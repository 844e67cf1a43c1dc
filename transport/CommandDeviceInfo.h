#pragma once

#include "transport/Command.h"

// The discovery query: the four ASCII bytes "QLX?", no reply length.
class CommandDeviceInfo : public Command
{
public:
    void build() override;
};
