#include "platform/gdi/JpegCodec.h"

// jpeglib.h needs size_t and FILE declared before it.
#include <cstddef>
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>

#include <algorithm>
#include <csetjmp>
#include <exception>

#include "platform/base/Exception.h"
#include "platform/gdi/PictureLimits.h"

// libjpeg reports errors through error_exit, which here jumps back to the setjmp of the running phase.
// The functions that hold a setjmp keep no objects with destructors; everything lives in the Decoder or
// Encoder, and stream exceptions are caught in the callbacks and carried across the jump.

namespace {

constexpr const char* InvalidPrefix = "Invalid JPEG image: ";
constexpr size_t BufferSize = 4096;
// Every scan of a progressive file is one more pass over all coefficients of the picture. Encoders write a dozen
// or so; a file with hundreds only stalls the decoder for minutes.
constexpr int MaxScans = 100;

struct Decoder {
  jpeg_decompress_struct Info {};
  jpeg_error_mgr Errors {};
  jpeg_source_mgr Source {};
  jpeg_progress_mgr Progress {};
  jmp_buf Jump {};
  TStream* Stream { nullptr };
  std::exception_ptr Failure;
  char Message[JMSG_LENGTH_MAX] { "" };
  JOCTET Buffer[BufferSize] {};
  bool Created { false };

  ~Decoder() {
    if (Created) jpeg_destroy_decompress(&Info);
  }
};

struct Encoder {
  jpeg_compress_struct Info {};
  jpeg_error_mgr Errors {};
  jpeg_destination_mgr Destination {};
  jmp_buf Jump {};
  TStream* Stream { nullptr };
  std::exception_ptr Failure;
  char Message[JMSG_LENGTH_MAX] { "" };
  JOCTET Buffer[BufferSize] {};
  bool Created { false };

  ~Encoder() {
    if (Created) jpeg_destroy_compress(&Info);
  }
};

template <class Coder> Coder& CoderOf(j_common_ptr Info) { return *static_cast<Coder*>(Info->client_data); }

template <class Coder> void OnErrorExit(j_common_ptr Info) {
  Coder& coder = CoderOf<Coder>(Info);
  Info->err->format_message(Info, coder.Message);
  longjmp(coder.Jump, 1);
}

// Warnings (damaged but readable data) are tolerated and not printed.
void OnOutputMessage(j_common_ptr) {}

// Entropy data that ends before the picture does is a cut-off file whose end marker survived; it is refused
// like any other cut rather than padded with grey. Other warnings stay tolerated.
void OnDecoderMessage(j_common_ptr Info, int Level) {
  if (Level < 0 && Info->err->msg_code == JWRN_HIT_MARKER) Info->err->error_exit(Info);
}

template <class Coder> void SetUpErrors(Coder& C) {
  C.Info.err = jpeg_std_error(&C.Errors);
  C.Errors.error_exit = OnErrorExit<Coder>;
  C.Errors.output_message = OnOutputMessage;
  C.Info.client_data = &C;
}

template <class Coder> [[noreturn]] void Fail(const Coder& C) {
  if (C.Failure) std::rethrow_exception(C.Failure);
  throw EInvalidGraphic(String(InvalidPrefix) + C.Message);
}

void OnProgress(j_common_ptr Info) {
  if (reinterpret_cast<j_decompress_ptr>(Info)->input_scan_number <= MaxScans) return;
  Decoder& d = CoderOf<Decoder>(Info);
  std::snprintf(d.Message, sizeof d.Message, "too many scans");
  longjmp(d.Jump, 1);
}

void InitSource(j_decompress_ptr) {}
void TermSource(j_decompress_ptr) {}

boolean FillInput(j_decompress_ptr Info) {
  Decoder& d = CoderOf<Decoder>(reinterpret_cast<j_common_ptr>(Info));
  Int64 got = 0;
  try {
    got = d.Stream->Read(d.Buffer, BufferSize);
  } catch (...) {
    d.Failure = std::current_exception();
  }
  // A truncated file is an error, not a picture padded with grey.
  if (got <= 0) ERREXIT(Info, JERR_INPUT_EOF);
  d.Source.next_input_byte = d.Buffer;
  d.Source.bytes_in_buffer = size_t(got);
  return TRUE;
}

void SkipInput(j_decompress_ptr Info, long Count) {
  Decoder& d = CoderOf<Decoder>(reinterpret_cast<j_common_ptr>(Info));
  while (Count > long(d.Source.bytes_in_buffer)) {
    Count -= long(d.Source.bytes_in_buffer);
    FillInput(Info);
  }
  if (Count > 0) {
    d.Source.next_input_byte += Count;
    d.Source.bytes_in_buffer -= size_t(Count);
  }
}

void InitDestination(j_compress_ptr Info) {
  Encoder& e = CoderOf<Encoder>(reinterpret_cast<j_common_ptr>(Info));
  e.Destination.next_output_byte = e.Buffer;
  e.Destination.free_in_buffer = BufferSize;
}

void Flush(j_compress_ptr Info, size_t Count) {
  Encoder& e = CoderOf<Encoder>(reinterpret_cast<j_common_ptr>(Info));
  bool written = false;
  try {
    e.Stream->WriteBuffer(e.Buffer, Int64(Count));
    written = true;
  } catch (...) {
    e.Failure = std::current_exception();
  }
  if (!written) ERREXIT(Info, JERR_FILE_WRITE);
}

boolean EmptyOutput(j_compress_ptr Info) {
  Flush(Info, BufferSize);
  InitDestination(Info);
  return TRUE;
}

void TermDestination(j_compress_ptr Info) {
  Encoder& e = CoderOf<Encoder>(reinterpret_cast<j_common_ptr>(Info));
  Flush(Info, BufferSize - e.Destination.free_in_buffer);
}

bool ReadHeader(Decoder& D) {
  if (setjmp(D.Jump)) return false;
  jpeg_create_decompress(&D.Info);
  D.Created = true;
  D.Source.init_source = InitSource;
  D.Source.fill_input_buffer = FillInput;
  D.Source.skip_input_data = SkipInput;
  D.Source.resync_to_restart = jpeg_resync_to_restart;
  D.Source.term_source = TermSource;
  D.Info.src = &D.Source;
  D.Progress.progress_monitor = OnProgress;
  D.Info.progress = &D.Progress;
  jpeg_read_header(&D.Info, TRUE);
  D.Info.out_color_space = JCS_EXT_BGR;
  return true;
}

bool ReadRows(Decoder& D, Surface* Pixels) {
  if (setjmp(D.Jump)) return false;
  jpeg_start_decompress(&D.Info);
  while (D.Info.output_scanline < D.Info.output_height) {
    JSAMPROW row = Pixels->Row(int(D.Info.output_scanline));
    jpeg_read_scanlines(&D.Info, &row, 1);
  }
  jpeg_finish_decompress(&D.Info);
  return true;
}

bool WriteAll(Encoder& E, const Surface* Pixels, int Quality) {
  if (setjmp(E.Jump)) return false;
  jpeg_create_compress(&E.Info);
  E.Created = true;
  E.Destination.init_destination = InitDestination;
  E.Destination.empty_output_buffer = EmptyOutput;
  E.Destination.term_destination = TermDestination;
  E.Info.dest = &E.Destination;
  E.Info.image_width = JDIMENSION(Pixels->Width());
  E.Info.image_height = JDIMENSION(Pixels->Height());
  E.Info.input_components = Pixels->BytesPerPixel();
  E.Info.in_color_space = Pixels->BytesPerPixel() == 4 ? JCS_EXT_BGRX : JCS_EXT_BGR;
  jpeg_set_defaults(&E.Info);
  jpeg_set_quality(&E.Info, Quality, TRUE);
  jpeg_start_compress(&E.Info, TRUE);
  while (E.Info.next_scanline < E.Info.image_height) {
    JSAMPROW row = Pixels->Row(int(E.Info.next_scanline));
    jpeg_write_scanlines(&E.Info, &row, 1);
  }
  jpeg_finish_compress(&E.Info);
  return true;
}

}  // namespace

std::unique_ptr<Surface> JpegCodec::Read(TStream& Stream) {
  Decoder d;
  d.Stream = &Stream;
  SetUpErrors(d);
  d.Errors.emit_message = OnDecoderMessage;
  if (!ReadHeader(d)) Fail(d);
  CheckPictureSize(d.Info.image_width, d.Info.image_height, "Invalid JPEG image: picture too large");
  auto pixels = std::make_unique<Surface>(int(d.Info.image_width), int(d.Info.image_height), SurfaceFormat::Bgr24);
  if (!ReadRows(d, pixels.get())) Fail(d);
  // The source reads ahead in blocks; give back what lies after the end marker.
  Stream.Seek(-Int64(d.Source.bytes_in_buffer), soCurrent);
  return pixels;
}

void JpegCodec::Write(TStream& Stream, const Surface& Pixels, int Quality) {
  Encoder e;
  e.Stream = &Stream;
  SetUpErrors(e);
  if (!WriteAll(e, &Pixels, std::clamp(Quality, 1, 100))) Fail(e);
}
