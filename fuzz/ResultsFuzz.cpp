// libFuzzer target for the results-file reader: any bytes must read without a crash,
// and every record the reader accepts must encode again and read back unchanged.
#include "results/ResultsCodec.h"
#include "ui/RandomSource.h"
#include <QBuffer>
#include <cstdlib>

namespace {

class CountingRandom final : public RandomSource {
public:
    double Rnd() override {
        m_n = (m_n + 0.618034);
        m_n -= static_cast<int>(m_n);
        return m_n;
    }

private:
    double m_n = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    ResultsReader reader(buffer);
    ResultRecord record;
    if (!reader.ReadResultsHeader()) return 0;
    CountingRandom random;
    ResultsCodec codec(random);
    while (!reader.atEnd() && reader.ReadResultRecord(record)) {
        if (!CanEncode(record)) continue;   // hostile keys can decode values the game never writes
        QByteArray again = codec.EncodeResultsHeader() + *codec.EncodeResultRecord(record);
        QBuffer copy(&again);
        copy.open(QIODevice::ReadOnly);
        ResultsReader check(copy);
        ResultRecord back;
        if (!check.ReadResultsHeader() || !check.ReadResultRecord(back) || !(back == record)) std::abort();
    }
    return 0;
}
