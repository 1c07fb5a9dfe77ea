#include "platform/jpeg_decoder.h"

#include <fcntl.h>

#include <QFile>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <string>
// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>
// After jpeglib.h, which it needs.
#include <jerror.h>

#include "base/failure_text.h"
#include "base/system_error_text.h"

namespace sternwerk {

namespace {

// Larger pictures are refused as damaged rather than allocated.
constexpr unsigned long kMaxPixels = 64ul * 1024 * 1024;

constexpr const char* kContext = "sternwerk::JpegDecoder";
constexpr const char* kEmpty =
    QT_TRANSLATE_NOOP("sternwerk::JpegDecoder", "Die JPEG-Datei ist leer.");
constexpr const char* kUnreadable =
    QT_TRANSLATE_NOOP("sternwerk::JpegDecoder", "Das JPEG-Bild kann nicht gelesen werden: %1");
constexpr const char* kDamaged =
    QT_TRANSLATE_NOOP("sternwerk::JpegDecoder", "Das JPEG-Bild ist beschädigt: %1");
// %1 is the reason, %2 the library's message number.
constexpr const char* kLibraryMessage =
    QT_TRANSLATE_NOOP("sternwerk::JpegDecoder", "%1 (libjpeg-Meldung %2)");
constexpr const char* kNoJpeg =
    QT_TRANSLATE_NOOP("sternwerk::JpegDecoder", "Die Daten sind kein JPEG-Bild");
constexpr const char* kFaulty =
    QT_TRANSLATE_NOOP("sternwerk::JpegDecoder", "Die Daten sind fehlerhaft");
constexpr const char* kIncomplete =
    QT_TRANSLATE_NOOP("sternwerk::JpegDecoder", "Die Daten sind unvollständig oder fehlerhaft");
// %1 by %2 picture elements.
constexpr const char* kTooManyPixels =
    QT_TRANSLATE_NOOP("sternwerk::JpegDecoder", "%1x%2 Bildpunkte sind zu viele");
constexpr const char* kOutOfMemory =
    QT_TRANSLATE_NOOP("sternwerk::JpegDecoder", "zu wenig Speicher");

// A text of the decoder in the language of the run.
constexpr ContextTexts Said(kContext);

// libjpeg's error manager extended with the way back to the decoder: on an
// error the library calls error_exit, which must not return; it jumps back
// instead of ending the program as the library's default does.
struct ErrorManager {
  jpeg_error_mgr library;
  std::jmp_buf way_back;
  char message[JMSG_LENGTH_MAX] = {};
  bool warned = false;
};

// The library's own texts are English whatever the language of the run; the
// reason is told in that language, with the library's message number.
void KeepReason(j_common_ptr info, const char* reason) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  if (info->err->msg_code == JERR_NO_SOI) reason = kNoJpeg;
  const std::string text =
      WithArguments(Said(kLibraryMessage), {Said(reason), std::to_string(info->err->msg_code)});
  std::snprintf(errors->message, sizeof errors->message, "%s", text.c_str());
}

void JumpBack(j_common_ptr info) {
  KeepReason(info, kFaulty);
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->way_back, 1);
}

void KeepTooManyPixels(ErrorManager& errors, JDIMENSION width, JDIMENSION height) {
  const std::string text =
      WithArguments(Said(kTooManyPixels), {std::to_string(width), std::to_string(height)});
  std::snprintf(errors.message, sizeof errors.message, "%s", text.c_str());
}

// Keeps the first warning (corrupt or missing data) instead of printing it.
void NoteWarning(j_common_ptr info, int level) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  if (level < 0 && !errors->warned) {
    errors->warned = true;
    KeepReason(info, kIncomplete);
  }
}

// Runs the decompression into `image`. Between setjmp and the end of this
// function no object with a destructor lives in this frame, so the jump back
// skips nothing.
bool Decompress(jpeg_decompress_struct& info, ErrorManager& errors,
                std::span<const std::uint8_t> bytes, QImage& image) {
  if (setjmp(errors.way_back)) return false;
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  // Checked before the decompression starts, which for a progressive picture
  // allocates buffers for the whole picture.
  if (static_cast<unsigned long>(info.image_width) * info.image_height > kMaxPixels) {
    KeepTooManyPixels(errors, info.image_width, info.image_height);
    return false;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                 QImage::Format_RGB888);
  if (image.isNull()) return false;
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  return true;
}

}  // namespace

Outcome<QImage> DecodeJpeg(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return Outcome<QImage>::Failure(Said(kEmpty));
  jpeg_decompress_struct info;
  ErrorManager errors;
  info.err = jpeg_std_error(&errors.library);
  errors.library.error_exit = JumpBack;
  errors.library.emit_message = NoteWarning;
  jpeg_create_decompress(&info);
  QImage image;
  const bool decoded = Decompress(info, errors, bytes, image);
  jpeg_destroy_decompress(&info);
  if (!decoded) {
    const std::string reason = errors.message[0] ? errors.message : Said(kOutOfMemory);
    return Outcome<QImage>::Failure(WithArguments(Said(kUnreadable), {reason}));
  }
  if (errors.warned)
    return Outcome<QImage>::Failure(WithArguments(Said(kDamaged), {errors.message}));
  return Outcome<QImage>::Success(image);
}

Outcome<QImage> LoadJpegFile(const QString& path) {
  // Opened by the system's call itself, so that its errno is the reason.
  const int fd = open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    return Outcome<QImage>::Failure(
        FailureText(path.toStdString(), kOpened, SystemErrorText(errno)) + ".");
  }
  QFile file;
  file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
  const QByteArray bytes = file.readAll();
  return DecodeJpeg(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                              static_cast<std::size_t>(bytes.size())));
}

}  // namespace sternwerk
