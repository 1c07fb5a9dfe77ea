// Reading back what was printed into a PDF file.
#pragma once

#include <QProcess>
#include <QString>
#include <filesystem>

namespace sternwerk::testing {

// The text of a PDF as pdftotext reads it, blanks kept as laid out.
inline QString PdfText(const std::filesystem::path& pdf) {
  QProcess process;
  process.start("pdftotext", {"-layout", QString::fromStdString(pdf.string()), "-"});
  if (!process.waitForFinished(30000)) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The document name a PDF carries, as pdfinfo reads it.
inline QString PdfTitle(const std::filesystem::path& pdf) {
  QProcess process;
  process.start("pdfinfo", {QString::fromStdString(pdf.string())});
  if (!process.waitForFinished(30000)) return {};
  for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n')) {
    if (line.startsWith("Title:")) return line.mid(6).trimmed();
  }
  return {};
}

}  // namespace sternwerk::testing
