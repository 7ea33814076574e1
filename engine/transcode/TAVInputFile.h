#pragma once
// One input file in the working tables of a transcoder run.

/// Where an input file's streams start in the run's input stream table, and whether it was read to its end.
struct TAVInputFile {
  bool eof_reached { false };
  int ist_index { 0 };   // index of the file's first stream in the input stream table
  int nb_streams { 0 };
};
