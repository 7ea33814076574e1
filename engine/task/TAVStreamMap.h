#pragma once
// One "map" option of a conversion task.

/// Feeds the next output stream from stream stream_index of input file file_index, following the clock of
/// stream sync_stream_index of input file sync_file_index.
struct TAVStreamMap {
  int file_index { 0 };
  int stream_index { 0 };
  int sync_file_index { 0 };
  int sync_stream_index { 0 };
  friend bool operator==(const TAVStreamMap&, const TAVStreamMap&) = default;
};
