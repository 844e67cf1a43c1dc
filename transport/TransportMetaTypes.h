#pragma once

// Registers the transport's types that travel in queued signals (Error,
// NetworkCardData, DeviceInfo, DatagramPacket and its list, Worker*). Safe to
// call more than once, from any thread.
void registerTransportMetaTypes();
