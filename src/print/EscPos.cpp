#include "EscPos.h"

#include "Cp1252.h"

namespace vantorel {

QByteArray EscPosJob(const ReportLayout& layout) {
    QByteArray job = EscPos::Initialize + EscPos::CodePage1252;
    for (const LaidLine& line : layout.continuousLines()) {
        if (line.bold)
            job += EscPos::BoldOn;
        if (line.big)
            job += EscPos::DoubleHeightOn;
        job += EncodeCp1252(line.text);
        job += '\n';
        if (line.big)
            job += EscPos::NormalSize;
        if (line.bold)
            job += EscPos::BoldOff;
    }
    job += EscPos::FeedAndCut;
    return job;
}

} // namespace vantorel
