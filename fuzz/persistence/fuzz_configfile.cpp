#include "model/ClockConfig.h"
#include "persistence/ConfigurationFiles.h"

#include <cstdint>
#include <cstdlib>

// The three configuration-file readers on arbitrary bytes; the first byte
// picks the reader. What a reader accepts must write to a file that the
// same reader accepts again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    using Parser = std::unique_ptr<ClockConfig> (*)(const QByteArray &);
    using Writer = QByteArray (*)(const ClockConfigFields &);
    static const struct
    {
        Parser parse;
        Writer write;
    } formats[] = {
        {ConfigurationFiles::parseOwnFile, ConfigurationFiles::ownFileData},
        {ConfigurationFiles::parseDisplayFile, ConfigurationFiles::displayFileData},
        {ConfigurationFiles::parseAlarmsFile, ConfigurationFiles::alarmsFileData},
    };
    const auto &format = formats[data[0] % 3];
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data + 1), int(size - 1));
    const std::unique_ptr<ClockConfig> config = format.parse(input);
    if (!config)
        return 0;
    if (!format.parse(format.write(*config)))
        std::abort();
    return 0;
}
