#pragma once
// File names of the form "unicode:utf8:" + a UTF-8 path. Every other name reaches FFmpeg unchanged (names
// are UTF-8 already); a name of this form is opened by the engine itself, through an I/O context of its
// own over the decoded path, and FFmpeg reads and writes the file through it. Every open of an input or an
// output in the engine goes through the functions below, which accept both forms.
#include <string_view>

extern "C" {
#include <libavformat/avformat.h>
}

#include "platform/base/Types.h"

/// The prefix of a protocol name.
inline constexpr std::string_view UnicodeProtocolPrefix = "unicode:utf8:";

/// True when AName is the prefix followed by at least one byte.
bool IsUnicodeProtocolName(std::string_view AName);
/// The file name AName stands for: a protocol name without its prefix, any other name unchanged.
String FFmpegToName(const String& AName);

/// Opens the file AFileName (a protocol name or a plain path) for FFmpeg with AVIO_FLAG_READ (the file
/// must exist), AVIO_FLAG_WRITE or AVIO_FLAG_READ_WRITE (both create the file, replacing one that exists).
/// Returns nullptr when it cannot be opened, errno saying why. Free it with UnicodeCloseIO.
AVIOContext* UnicodeOpenIO(const String& AFileName, int AFlags);
/// Flushes and frees a context from UnicodeOpenIO and closes its file; *AContext becomes nullptr.
void UnicodeCloseIO(AVIOContext** AContext);

/// Why AUrl must not be opened as an input, "" when it may: a name (a protocol name through its path) of
/// something in the file system other than a regular file gives WhyNotRegularFile's reason, since a pipe
/// blocks its reader and a device never ends. Names that are no file (other protocols) are FFmpeg's.
String InputRefusal(const String& AUrl);
/// avformat_open_input for AUrl: a protocol name is opened through the engine's I/O context (a file that
/// cannot be opened gives AVERROR(ENOENT)), anything else by FFmpeg. Close the result with
/// UnicodeCloseInput. Callers ask InputRefusal first.
int UnicodeOpenInput(AVFormatContext** AContext, const String& AUrl, const AVInputFormat* AFormat,
                     AVDictionary** AOptions);
/// avformat_close_input that also frees the engine's own I/O context.
void UnicodeCloseInput(AVFormatContext** AContext);
/// Opens the byte stream of an output context for writing: a protocol name through the engine's I/O
/// context, anything else with avio_open2 (AInterrupt and AOptions go there). Returns 0 or an FFmpeg error.
int UnicodeOpenOutput(AVFormatContext* AContext, const String& AUrl, const AVIOInterruptCB* AInterrupt,
                      AVDictionary** AOptions);
/// Closes the byte stream opened by UnicodeOpenOutput; AContext->pb becomes nullptr.
void UnicodeCloseOutput(AVFormatContext* AContext);
