#pragma once
// The enumerated values that skin records store besides the toolkit's own (alignment, font styles).

/// How the centre of a resizable skin image fills a larger size.
enum TskStretchType { skstFull, skstHorz, skstVert };

/// The transition a skin element uses between its normal and its hot image.
enum TskMorphKind { mkDefault, mkGradient, mkLeftGradient, mkRightGradient, mkLeftSlide, mkRightSlide, mkPush };

/// How a form frame derives the look of an inactive form from the active one.
enum TskInActiveEffect { ieBrightness, ieDarkness, ieGrayScale, ieNoise, ieSplitBlur, ieInvert };

/// What a caption button or animated caption object does when clicked.
enum TskStdCommand { cmClose, cmMaximize, cmMinimize, cmSysMenu, cmDefault, cmRollUp, cmMinimizeToTray };
