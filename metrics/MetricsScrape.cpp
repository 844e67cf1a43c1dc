#include "metrics/MetricsScrape.h"

#include "metrics/PrometheusWriter.h"

namespace MetricsScrape {

HttpListener::Response answer(const QByteArray &page)
{
    HttpListener::Response response;
    response.status = 200;
    response.body = page;
    response.headers = "Content-Type: " + QByteArray(PrometheusWriter::contentType) + "\r\n";
    response.priority = 1;
    return response;
}

} // namespace MetricsScrape
