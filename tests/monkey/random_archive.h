#pragma once

#include <optional>
#include <vector>

#include <QByteArray>
#include <QString>

#include "monkey_random.h"

// Random "archive.dat" files stitched from the fuzz corpus and the sample catalogue: whole
// files, slices of their lines, and corpus data lines under random section headers.
class RandomArchive {
public:
    // Reads the sources under the source tree (or a copy of its fuzz/ and examples/).
    explicit RandomArchive(const QString& source_dir);

    // Whether every source folder held something.
    bool ready() const { return !archives_.empty() && !data_lines_.empty(); }

    // An archive's bytes; none when the run should start without a file.
    std::optional<QByteArray> make(MonkeyRandom& random) const;

private:
    void append_slice(MonkeyRandom& random, QList<QByteArray>& lines) const;
    void append_section(MonkeyRandom& random, QList<QByteArray>& lines) const;

    // Whole archives, each split into lines.
    std::vector<QList<QByteArray>> archives_;
    // Single data lines, as the line fuzzer's corpus holds them.
    std::vector<QByteArray> data_lines_;
};
