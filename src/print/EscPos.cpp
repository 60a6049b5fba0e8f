#include "EscPos.h"

#include "Cp1252.h"

namespace vantorel {

QByteArray EscPosJob(const ReportLayout& layout) {
    QByteArray job = EscPos::Initialize + EscPos::CodePage1252;
    for (const LaidLine& line : layout.continuousLines()) {
        const bool styled = line.bold || line.big;
        if (styled)
            job += EscPos::PrintMode(line.bold, line.big);
        job += EncodeCp1252(line.text);
        job += '\n';
        if (styled)
            job += EscPos::PrintMode(false, false);
    }
    job += EscPos::FeedAndCut;
    return job;
}

} // namespace vantorel
