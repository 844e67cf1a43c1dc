#pragma once

#include "http/HttpListener.h"

#include <QByteArray>

// The scrape on the listener: GET or HEAD /metrics.
namespace MetricsScrape {

constexpr char path[] = "/metrics";

// The page in the exposition format. A large fleet's page is compressed
// before any other large answer, so that Prometheus is not kept waiting.
HttpListener::Response answer(const QByteArray &page);

} // namespace MetricsScrape
