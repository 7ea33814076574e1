#pragma once
// One "map_meta_data" option of a conversion task.

/// Copies the tags of input file in_file into output file out_file.
struct TAVMetaDataMap {
  int out_file { 0 };
  int in_file { 0 };
  friend bool operator==(const TAVMetaDataMap&, const TAVMetaDataMap&) = default;
};
