#pragma once

// The transport of an exchange.
enum InterfaceType : int {
    Tcp = 0,
    Udp = 1,
    Www = 2,
};

// Where and how to reach a clock in one exchange; see NetworkParameters and
// WWWParameters.
class InterfaceParameters
{
public:
    virtual ~InterfaceParameters();
};
