#include "app/catalogue/PresetTables.h"

namespace {

// Resolution (skSkinComboBox1).
constexpr std::string_view R1Entries[] = {
  "保持原分辨率", "128*96", "176*144", "240*176", "320*240", "352*240", "352*288", "384*288", "480*480", "480*576",
  "640*368", "640*480", "704*480", "704*576", "720*480", "720*576", "800*600", "852*480", "1024*768", "1280*720",
  "1280*1024", "1600*1024", "1600*1200", "1920*1080", "1920*1200", "1920*1200", "2048*1536", "2560*1600",
};
constexpr std::string_view R2Entries[] = {
  "112*96", "128*96", "160*112", "160*120", "176*144", "192*144", "208*176", "220*176", "320*208", "320*224",
  "320*240",
};
constexpr std::string_view R3Entries[] = { "该格式无视频" };
constexpr std::string_view R4Entries[] = {
  "保持原分辨率", "1024*768", "1280*720", "1280*1024", "1600*1024", "1600*1200", "1920*1080", "1920*1200", "1920*1200",
  "2048*1536", "2560*1600",
};
constexpr std::string_view R5Entries[] = {
  "112*96", "128*96", "160*112", "160*120", "176*144", "192*144", "208*176", "220*176", "320*208", "320*224",
  "320*240", "352*288", "480*360",
};
constexpr std::string_view R6Entries[] = { "128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "640*480" };
constexpr std::string_view R7Entries[] = {
  "128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "640*480", "1280*720",
};
constexpr std::string_view R8Entries[] = {
  "128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "480*272", "640*480", "704*576",
};
constexpr std::string_view R9Entries[] = { "1280*720", "1440*1080", "1920*1080" };
constexpr std::string_view R10Entries[] = {
  "640*480", "704*576", "720*480", "720*576", "800*600", "852*480", "1024*768", "1280*720", "1280*1024", "1600*1024",
  "1600*1200", "1920*1080", "1920*1200", "1920*1200", "2048*1536", "2560*1600",
};
constexpr std::string_view R11Entries[] = { "704*576", "1280*720", "1440*1080", "1920*1080" };
constexpr std::string_view R12Entries[] = {
  "128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "640*480", "704*576", "1280*720", "1440*1080",
  "1920*1080",
};
constexpr std::string_view R13Entries[] = {
  "128*96", "176*144", "160*120", "320*240", "352*288", "368*208", "480*272", "640*480", "704*576", "1280*720",
  "1440*1080", "1920*1080",
};
constexpr std::string_view R14Entries[] = { "160*120", "320*240", "480*272", "640*480", "720*480" };
constexpr std::string_view R15Entries[] = { "320*240", "640*480" };
constexpr std::string_view R16Entries[] = {
  "保持原分辨率", "128*96", "176*144", "240*176", "320*240", "352*240", "352*288", "384*288", "480*480", "480*576",
  "640*368", "640*480", "704*480", "704*576", "720*480", "720*576", "800*600", "852*480", "1024*768",
};
// Video bit rate (skSkinComboBox2).
constexpr std::string_view V1Entries[] = {
  "128 kbps", "288 kbps", "528 kbps", "816 kbps", "1200 kbps", "1600 kbps", "1800 kbps", "2000 kbps",
};
constexpr std::string_view V2Entries[] = {
  "128 kbps", "288 kbps", "528 kbps", "768 kbps", "816 kbps", "1200 kbps", "1600 kbps", "1800 kbps", "2000 kbps",
};
constexpr std::string_view V3Entries[] = {
  "128 kbps", "288 kbps", "528 kbps", "816 kbps", "1000 kbps", "1200 kbps", "1600 kbps", "1800 kbps", "2000 kbps",
};
constexpr std::string_view V4Entries[] = {
  "8 kbps", "16 kbps", "24 kbps", "32 kbps", "48 kbps", "56 kbps", "64 kbps", "80 kbps", "96 kbps", "128 kbps",
  "160 kbps", "192 kbps", "256 kbps", "320 kbps", "384 kbps",
};
constexpr std::string_view V5Entries[] = {
  "128 kbps", "288 kbps", "528 kbps", "600 kbps", "816 kbps", "1200 kbps", "1600 kbps", "1800 kbps", "2000 kbps",
};
constexpr std::string_view V6Entries[] = { "无视频" };
constexpr std::string_view V7Entries[] = {
  "816 kbps", "1200 kbps", "1600 kbps", "1800 kbps", "2000 kbps", "2500 kbps", "3000 kbps", "4000 kbps",
};
constexpr std::string_view V8Entries[] = {
  "8 kbps", "16 kbps", "24 kbps", "32 kbps", "48 kbps", "56 kbps", "64 kbps", "80 kbps", "96 kbps", "128 kbps",
  "160 kbps", "192 kbps", "256 kbps", "320 kbps", "384 kbps", "512 kbps", "600 kbps",
};
constexpr std::string_view V9Entries[] = {
  "192 kbps", "384 kbps", "600 kbps", "768 kbps", "1000 kbps", "1200 kbps", "1500 kbps", "1800 kbps", "2000 kbps",
};
constexpr std::string_view V10Entries[] = {
  "816 kbps", "1000 kbps", "1200 kbps", "1600 kbps", "1800 kbps", "2000 kbps", "2500 kbps", "3000 kbps", "4000 kbps",
};
constexpr std::string_view V11Entries[] = {
  "528 kbps", "768 kbps", "816 kbps", "1200 kbps", "1600 kbps", "1800 kbps", "2000 kbps", "2500 kbps", "3000 kbps",
  "4000 kbps",
};
// Frame rate (skSkinComboBox9).
constexpr std::string_view F1Entries[] = {
  "保持原帧速率", "10.00", "13.00", "15.00", "18.00", "20.00", "23.00", "23.97", "24.00", "25.00", "29.97", "30.00",
};
constexpr std::string_view F2Entries[] = { "1", "2", "3", "5", "10", "12", "15" };
constexpr std::string_view F3Entries[] = { "无视频" };
constexpr std::string_view F4Entries[] = { "保持原帧速率", "25.00", "29.97", "30.00" };
constexpr std::string_view F5Entries[] = { "1", "2", "3", "5", "10", "12", "15", "25" };
constexpr std::string_view F6Entries[] = {
  "保持原帧速率", "10.00", "12.00", "15.00", "20.00", "23.98", "24.00", "25.00", "29.97", "30.00",
};
// Audio bit rate (skSkinComboBox3).
constexpr std::string_view A1Entries[] = {
  "16 kbps", "24 kbps", "32 kbps", "40 kbps", "48 kbps", "56 kbps", "64 kbps", "80 kbps", "96 kbps", "112 kbps",
  "128 kbps", "144 kbps", "160 kbps", "192 kbps", "224 kbps", "256 kbps", "320 kbps",
};
constexpr std::string_view A2Entries[] = { "5 kbps", "6 kbps", "7 kbps", "8 kbps", "10 kbps", "12 kbps" };
constexpr std::string_view A3Entries[] = {
  "4.75 kbps", "5.15 kbps", "5.9 kbps", "6.7 kbps", "7.4 kbps", "7.95 kbps", "10.2 kbps", "12.2 kbps",
};
constexpr std::string_view A4Entries[] = {
  "48 kbps", "56 kbps", "64 kbps", "80 kbps", "96 kbps", "112 kbps", "116 kbps", "128 kbps",
};
constexpr std::string_view A5Entries[] = {
  "32 kbps", "48 kbps", "56 kbps", "64 kbps", "80 kbps", "96 kbps", "112 kbps", "116 kbps", "128 kbps",
};
constexpr std::string_view A6Entries[] = { "64 kbps", "96 kbps", "128 kbps", "160 kbps", "192 kbps" };
// Audio sample rate (skSkinComboBox10).
constexpr std::string_view S1Entries[] = { "11025", "16000", "22050", "32000", "44100", "48000" };
constexpr std::string_view S2Entries[] = { "8000" };
constexpr std::string_view S3Entries[] = { "8000", "11025", "16000", "22050", "32000", "44100", "48000" };
constexpr std::string_view S4Entries[] = { "22050", "32000", "44100", "48000" };
constexpr std::string_view S5Entries[] = { "11025", "22050", "44100" };
// Aspect mode (skSkinComboBox4).
constexpr std::string_view M1Entries[] = { "保持原视频模式", "普通视频4:3模式", "宽屏视频16:9模式", "宽屏视频37:20模式", "宽屏视频47:20模式" };
constexpr std::string_view M2Entries[] = { "保持原视频模式", "普通视频4:3模式" };
constexpr std::string_view M3Entries[] = { "无视频" };

constexpr PresetList R1 { "R1", R1Entries };
constexpr PresetList R2 { "R2", R2Entries };
constexpr PresetList R3 { "R3", R3Entries };
constexpr PresetList R4 { "R4", R4Entries };
constexpr PresetList R5 { "R5", R5Entries };
constexpr PresetList R6 { "R6", R6Entries };
constexpr PresetList R7 { "R7", R7Entries };
constexpr PresetList R8 { "R8", R8Entries };
constexpr PresetList R9 { "R9", R9Entries };
constexpr PresetList R10 { "R10", R10Entries };
constexpr PresetList R11 { "R11", R11Entries };
constexpr PresetList R12 { "R12", R12Entries };
constexpr PresetList R13 { "R13", R13Entries };
constexpr PresetList R14 { "R14", R14Entries };
constexpr PresetList R15 { "R15", R15Entries };
constexpr PresetList R16 { "R16", R16Entries };
constexpr PresetList V1 { "V1", V1Entries };
constexpr PresetList V2 { "V2", V2Entries };
constexpr PresetList V3 { "V3", V3Entries };
constexpr PresetList V4 { "V4", V4Entries };
constexpr PresetList V5 { "V5", V5Entries };
constexpr PresetList V6 { "V6", V6Entries };
constexpr PresetList V7 { "V7", V7Entries };
constexpr PresetList V8 { "V8", V8Entries };
constexpr PresetList V9 { "V9", V9Entries };
constexpr PresetList V10 { "V10", V10Entries };
constexpr PresetList V11 { "V11", V11Entries };
constexpr PresetList F1 { "F1", F1Entries };
constexpr PresetList F2 { "F2", F2Entries };
constexpr PresetList F3 { "F3", F3Entries };
constexpr PresetList F4 { "F4", F4Entries };
constexpr PresetList F5 { "F5", F5Entries };
constexpr PresetList F6 { "F6", F6Entries };
constexpr PresetList A1 { "A1", A1Entries };
constexpr PresetList A2 { "A2", A2Entries };
constexpr PresetList A3 { "A3", A3Entries };
constexpr PresetList A4 { "A4", A4Entries };
constexpr PresetList A5 { "A5", A5Entries };
constexpr PresetList A6 { "A6", A6Entries };
constexpr PresetList S1 { "S1", S1Entries };
constexpr PresetList S2 { "S2", S2Entries };
constexpr PresetList S3 { "S3", S3Entries };
constexpr PresetList S4 { "S4", S4Entries };
constexpr PresetList S5 { "S5", S5Entries };
constexpr PresetList M1 { "M1", M1Entries };
constexpr PresetList M2 { "M2", M2Entries };
constexpr PresetList M3 { "M3", M3Entries };

constexpr const PresetList* Lists[] = {
  &R1, &R2, &R3, &R4, &R5, &R6, &R7, &R8, &R9, &R10, &R11, &R12, &R13, &R14, &R15, &R16, &V1, &V2, &V3, &V4, &V5, &V6,
  &V7, &V8, &V9, &V10, &V11, &F1, &F2, &F3, &F4, &F5, &F6, &A1, &A2, &A3, &A4, &A5, &A6, &S1, &S2, &S3, &S4, &S5, &M1,
  &M2, &M3,
};

// FormatKey, then list and default index of resolution, video bit rate, frame rate, audio bit rate, sample
// rate and aspect mode, then whether the format is audio-only.
constexpr PresetSet Sets[] = {
  // WMV格式
  { 1700, { &R1, 0 }, { &V1, 3 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 1701, { &R1, 19 }, { &V7, 2 }, { &F4, 2 }, { &A1, 10 }, { &S1, 5 }, { &M1, 0 }, false },
  { 1702, { &R1, 4 }, { &V1, 2 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 1703, { &R1, 0 }, { &V3, 4 }, { &F1, 10 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 1704, { &R1, 4 }, { &V5, 3 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 1705, { &R1, 0 }, { &V1, 2 }, { &F1, 5 }, { &A1, 8 }, { &S1, 3 }, { &M1, 0 }, false },
  { 1706, { &R1, 19 }, { &V7, 2 }, { &F4, 2 }, { &A1, 10 }, { &S1, 5 }, { &M1, 0 }, false },
  // AVI格式
  { 1500, { &R1, 0 }, { &V1, 3 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 1501, { &R1, 19 }, { &V7, 2 }, { &F4, 2 }, { &A1, 10 }, { &S1, 5 }, { &M1, 0 }, false },
  { 1502, { &R1, 4 }, { &V1, 2 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 1503, { &R1, 0 }, { &V3, 4 }, { &F1, 10 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 1504, { &R1, 4 }, { &V5, 3 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 1505, { &R1, 0 }, { &V1, 2 }, { &F1, 5 }, { &A1, 8 }, { &S1, 3 }, { &M1, 0 }, false },
  { 1506, { &R1, 19 }, { &V7, 2 }, { &F4, 2 }, { &A1, 10 }, { &S1, 5 }, { &M1, 0 }, false },
  // MP4格式
  { 1000, { &R16, 4 }, { &V1, 3 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 1001, { &R1, 0 }, { &V1, 4 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 1002, { &R1, 0 }, { &V1, 4 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 1003, { &R1, 0 }, { &V1, 4 }, { &F1, 10 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 1004, { &R1, 0 }, { &V1, 4 }, { &F1, 10 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  // ASF格式
  { 1800, { &R1, 0 }, { &V1, 3 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 1801, { &R1, 19 }, { &V7, 2 }, { &F4, 2 }, { &A1, 10 }, { &S1, 5 }, { &M1, 0 }, false },
  { 1802, { &R1, 4 }, { &V1, 2 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 1803, { &R1, 0 }, { &V3, 4 }, { &F1, 10 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 1804, { &R1, 4 }, { &V5, 3 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 1805, { &R1, 0 }, { &V1, 2 }, { &F1, 5 }, { &A1, 8 }, { &S1, 3 }, { &M1, 0 }, false },
  { 1806, { &R1, 19 }, { &V7, 2 }, { &F4, 2 }, { &A1, 10 }, { &S1, 5 }, { &M1, 0 }, false },
  // XboX格式
  { 800, { &R8, 7 }, { &V9, 5 }, { &F6, 8 }, { &A6, 2 }, { &S4, 3 }, { &M1, 0 }, false },
  { 801, { &R9, 0 }, { &V9, 5 }, { &F6, 9 }, { &A6, 2 }, { &S4, 3 }, { &M1, 0 }, false },
  { 802, { &R9, 0 }, { &V9, 5 }, { &F6, 9 }, { &A6, 2 }, { &S4, 3 }, { &M1, 0 }, false },
  { 803, { &R8, 7 }, { &V9, 4 }, { &F6, 7 }, { &A6, 2 }, { &S4, 3 }, { &M1, 0 }, false },
  { 804, { &R10, 7 }, { &V9, 5 }, { &F6, 9 }, { &A6, 2 }, { &S4, 3 }, { &M1, 0 }, false },
  { 805, { &R8, 7 }, { &V9, 5 }, { &F6, 7 }, { &A6, 2 }, { &S4, 3 }, { &M1, 0 }, false },
  { 806, { &R11, 2 }, { &V9, 7 }, { &F6, 9 }, { &A6, 2 }, { &S4, 3 }, { &M1, 0 }, false },
  { 807, { &R12, 8 }, { &V9, 7 }, { &F6, 9 }, { &A6, 2 }, { &S4, 3 }, { &M1, 0 }, false },
  { 808, { &R13, 9 }, { &V9, 5 }, { &F6, 8 }, { &A6, 2 }, { &S4, 3 }, { &M1, 0 }, false },
  { 809, { &R12, 8 }, { &V9, 7 }, { &F6, 9 }, { &A6, 2 }, { &S4, 3 }, { &M1, 0 }, false },
  // MKV格式
  { 1600, { &R1, 0 }, { &V1, 3 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 1601, { &R1, 19 }, { &V7, 2 }, { &F4, 2 }, { &A1, 10 }, { &S1, 5 }, { &M1, 0 }, false },
  { 1602, { &R1, 4 }, { &V1, 2 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 1603, { &R1, 0 }, { &V3, 4 }, { &F1, 10 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 1604, { &R1, 4 }, { &V5, 3 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 1605, { &R1, 0 }, { &V1, 2 }, { &F1, 5 }, { &A1, 8 }, { &S1, 3 }, { &M1, 0 }, false },
  { 1606, { &R1, 19 }, { &V7, 2 }, { &F4, 2 }, { &A1, 10 }, { &S1, 5 }, { &M1, 0 }, false },
  // VOB格式
  { 2000, { &R1, 14 }, { &V10, 1 }, { &F4, 2 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 2001, { &R1, 19 }, { &V7, 2 }, { &F4, 2 }, { &A1, 10 }, { &S1, 5 }, { &M1, 0 }, false },
  { 2002, { &R1, 14 }, { &V7, 1 }, { &F4, 2 }, { &A1, 10 }, { &S1, 5 }, { &M1, 0 }, false },
  { 2003, { &R1, 0 }, { &V10, 1 }, { &F4, 2 }, { &A1, 11 }, { &S1, 5 }, { &M1, 0 }, false },
  { 2004, { &R1, 11 }, { &V11, 0 }, { &F4, 0 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 2005, { &R1, 4 }, { &V11, 0 }, { &F4, 0 }, { &A1, 10 }, { &S1, 3 }, { &M1, 0 }, false },
  // 高清格式
  { 200, { &R4, 2 }, { &V7, 2 }, { &F4, 2 }, { &A1, 10 }, { &S1, 5 }, { &M1, 0 }, false },
  { 201, { &R4, 2 }, { &V7, 1 }, { &F4, 3 }, { &A1, 10 }, { &S1, 5 }, { &M1, 0 }, false },
  { 202, { &R4, 2 }, { &V7, 1 }, { &F4, 2 }, { &A1, 13 }, { &S1, 5 }, { &M1, 0 }, false },
  { 203, { &R4, 3 }, { &V7, 2 }, { &F4, 3 }, { &A1, 13 }, { &S1, 5 }, { &M1, 0 }, false },
  { 204, { &R4, 3 }, { &V7, 2 }, { &F4, 2 }, { &A1, 12 }, { &S1, 5 }, { &M1, 0 }, false },
  { 205, { &R4, 3 }, { &V7, 1 }, { &F4, 2 }, { &A1, 10 }, { &S1, 5 }, { &M1, 0 }, false },
  { 206, { &R4, 3 }, { &V7, 2 }, { &F4, 2 }, { &A1, 10 }, { &S1, 5 }, { &M1, 0 }, false },
  { 207, { &R4, 2 }, { &V7, 1 }, { &F4, 2 }, { &A1, 10 }, { &S1, 5 }, { &M1, 0 }, false },
  { 208, { &R4, 3 }, { &V7, 2 }, { &F4, 2 }, { &A1, 10 }, { &S1, 5 }, { &M1, 0 }, false },
  { 209, { &R4, 3 }, { &V7, 2 }, { &F4, 3 }, { &A1, 10 }, { &S1, 5 }, { &M1, 0 }, false },
  // MPG格式
  { 1300, { &R1, 0 }, { &V3, 4 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 1301, { &R1, 4 }, { &V1, 3 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 1302, { &R1, 0 }, { &V3, 3 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 1303, { &R1, 0 }, { &V2, 3 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 1304, { &R4, 3 }, { &V7, 2 }, { &F4, 2 }, { &A1, 10 }, { &S1, 5 }, { &M1, 0 }, false },
  { 1305, { &R4, 3 }, { &V7, 2 }, { &F4, 3 }, { &A1, 13 }, { &S1, 5 }, { &M1, 0 }, false },
  { 1306, { &R1, 11 }, { &V5, 3 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 1307, { &R1, 4 }, { &V1, 2 }, { &F1, 9 }, { &A1, 8 }, { &S1, 3 }, { &M1, 0 }, false },
  { 1308, { &R1, 12 }, { &V1, 4 }, { &F1, 10 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 1309, { &R1, 8 }, { &V1, 2 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 1310, { &R1, 4 }, { &V1, 2 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  // 3GP格式
  { 600, { &R2, 4 }, { &V4, 9 }, { &F2, 5 }, { &A3, 4 }, { &S2, 0 }, { &M1, 0 }, false },
  { 601, { &R2, 4 }, { &V4, 9 }, { &F2, 5 }, { &A4, 0 }, { &S3, 4 }, { &M1, 0 }, false },
  { 602, { &R2, 4 }, { &V4, 9 }, { &F2, 5 }, { &A3, 6 }, { &S2, 0 }, { &M1, 0 }, false },
  { 603, { &R2, 4 }, { &V4, 9 }, { &F2, 5 }, { &A4, 0 }, { &S3, 4 }, { &M1, 0 }, false },
  { 604, { &R5, 4 }, { &V4, 9 }, { &F2, 5 }, { &A3, 4 }, { &S2, 0 }, { &M1, 0 }, false },
  { 605, { &R5, 4 }, { &V4, 9 }, { &F2, 5 }, { &A4, 0 }, { &S3, 4 }, { &M1, 0 }, false },
  { 606, { &R5, 4 }, { &V4, 9 }, { &F2, 5 }, { &A4, 0 }, { &S3, 4 }, { &M1, 0 }, false },
  { 607, { &R5, 4 }, { &V8, 10 }, { &F5, 6 }, { &A4, 0 }, { &S3, 4 }, { &M1, 0 }, false },
  { 608, { &R3, 0 }, { &V6, 0 }, { &F3, 0 }, { &A3, 4 }, { &S2, 0 }, { &M3, 0 }, true },
  { 609, { &R5, 4 }, { &V8, 9 }, { &F5, 5 }, { &A5, 0 }, { &S3, 4 }, { &M1, 0 }, false },
  { 610, { &R5, 4 }, { &V8, 9 }, { &F5, 5 }, { &A5, 0 }, { &S3, 4 }, { &M1, 0 }, false },
  { 611, { &R5, 4 }, { &V8, 9 }, { &F5, 5 }, { &A5, 0 }, { &S3, 4 }, { &M1, 0 }, false },
  { 612, { &R5, 4 }, { &V8, 9 }, { &F5, 5 }, { &A5, 0 }, { &S3, 4 }, { &M1, 0 }, false },
  { 613, { &R5, 4 }, { &V8, 9 }, { &F5, 5 }, { &A5, 0 }, { &S3, 4 }, { &M1, 0 }, false },
  // APPLE格式
  { 700, { &R6, 3 }, { &V9, 3 }, { &F6, 7 }, { &A6, 2 }, { &S4, 3 }, { &M1, 0 }, false },
  { 701, { &R6, 6 }, { &V9, 3 }, { &F6, 7 }, { &A6, 2 }, { &S4, 3 }, { &M1, 0 }, false },
  { 702, { &R7, 7 }, { &V9, 6 }, { &F6, 8 }, { &A6, 2 }, { &S4, 3 }, { &M1, 0 }, false },
  { 703, { &R6, 6 }, { &V9, 7 }, { &F6, 8 }, { &A6, 2 }, { &S4, 3 }, { &M1, 0 }, false },
  { 704, { &R6, 6 }, { &V9, 2 }, { &F6, 7 }, { &A6, 2 }, { &S4, 3 }, { &M1, 0 }, false },
  // PMP格式
  { 900, { &R14, 2 }, { &V9, 4 }, { &F6, 7 }, { &A6, 2 }, { &S4, 3 }, { &M1, 0 }, false },
  { 901, { &R14, 4 }, { &V9, 4 }, { &F6, 7 }, { &A6, 2 }, { &S4, 3 }, { &M1, 0 }, false },
  { 902, { &R14, 1 }, { &V9, 2 }, { &F6, 7 }, { &A6, 2 }, { &S4, 3 }, { &M1, 0 }, false },
  { 903, { &R15, 0 }, { &V9, 3 }, { &F6, 7 }, { &A6, 2 }, { &S4, 3 }, { &M1, 0 }, false },
  { 904, { &R15, 0 }, { &V9, 3 }, { &F6, 7 }, { &A6, 2 }, { &S4, 3 }, { &M1, 0 }, false },
  { 905, { &R15, 0 }, { &V9, 5 }, { &F6, 7 }, { &A6, 2 }, { &S4, 3 }, { &M1, 0 }, false },
  { 906, { &R15, 0 }, { &V9, 3 }, { &F6, 7 }, { &A6, 2 }, { &S4, 3 }, { &M1, 0 }, false },
  { 907, { &R14, 3 }, { &V9, 3 }, { &F6, 7 }, { &A6, 2 }, { &S4, 3 }, { &M1, 0 }, false },
  // Flash格式
  { 1100, { &R1, 0 }, { &V1, 3 }, { &F1, 9 }, { &A1, 10 }, { &S5, 1 }, { &M1, 0 }, false },
  { 1101, { &R1, 0 }, { &V1, 3 }, { &F1, 9 }, { &A1, 10 }, { &S5, 1 }, { &M1, 0 }, false },
  { 1102, { &R3, 0 }, { &V6, 0 }, { &F3, 0 }, { &A1, 10 }, { &S5, 1 }, { &M3, 0 }, true },
  { 1103, { &R3, 0 }, { &V6, 0 }, { &F3, 0 }, { &A1, 10 }, { &S5, 1 }, { &M3, 0 }, true },
  // 视频格式
  { 0, { &R1, 0 }, { &V1, 3 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 1, { &R1, 0 }, { &V2, 3 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 2, { &R1, 0 }, { &V3, 4 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 3, { &R1, 0 }, { &V2, 3 }, { &F1, 9 }, { &A1, 10 }, { &S1, 5 }, { &M1, 0 }, false },
  { 4, { &R1, 0 }, { &V3, 4 }, { &F1, 0 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 5, { &R1, 0 }, { &V1, 4 }, { &F1, 10 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 6, { &R1, 4 }, { &V1, 3 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 7, { &R1, 0 }, { &V1, 3 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 8, { &R1, 0 }, { &V1, 3 }, { &F1, 0 }, { &A1, 10 }, { &S1, 5 }, { &M1, 0 }, false },
  { 9, { &R2, 4 }, { &V4, 9 }, { &F2, 5 }, { &A2, 5 }, { &S2, 0 }, { &M2, 0 }, false },
  { 10, { &R1, 0 }, { &V5, 3 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 11, { &R1, 12 }, { &V1, 4 }, { &F1, 10 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 12, { &R1, 8 }, { &V1, 2 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 13, { &R1, 4 }, { &V1, 2 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  { 14, { &R1, 4 }, { &V1, 2 }, { &F1, 9 }, { &A1, 10 }, { &S1, 4 }, { &M1, 0 }, false },
  // 音频格式
  { 100, { &R3, 0 }, { &V6, 0 }, { &F3, 0 }, { &A1, 10 }, { &S1, 4 }, { &M3, 0 }, true },
  { 101, { &R3, 0 }, { &V6, 0 }, { &F3, 0 }, { &A1, 10 }, { &S1, 4 }, { &M3, 0 }, true },
  { 102, { &R3, 0 }, { &V6, 0 }, { &F3, 0 }, { &A1, 13 }, { &S1, 5 }, { &M3, 0 }, true },
  { 103, { &R3, 0 }, { &V6, 0 }, { &F3, 0 }, { &A1, 10 }, { &S1, 5 }, { &M3, 0 }, true },
  { 104, { &R3, 0 }, { &V6, 0 }, { &F3, 0 }, { &A1, 9 }, { &S1, 4 }, { &M3, 0 }, true },
  { 105, { &R3, 0 }, { &V6, 0 }, { &F3, 0 }, { &A1, 10 }, { &S1, 4 }, { &M3, 0 }, true },
  { 106, { &R3, 0 }, { &V6, 0 }, { &F3, 0 }, { &A1, 9 }, { &S1, 4 }, { &M3, 0 }, true },
  { 107, { &R3, 0 }, { &V6, 0 }, { &F3, 0 }, { &A1, 10 }, { &S1, 4 }, { &M3, 0 }, true },
  { 108, { &R3, 0 }, { &V6, 0 }, { &F3, 0 }, { &A1, 10 }, { &S1, 4 }, { &M3, 0 }, true },
  { 109, { &R3, 0 }, { &V6, 0 }, { &F3, 0 }, { &A1, 10 }, { &S1, 4 }, { &M3, 0 }, true },
  { 110, { &R3, 0 }, { &V6, 0 }, { &F3, 0 }, { &A1, 13 }, { &S1, 5 }, { &M3, 0 }, true },
  { 111, { &R3, 0 }, { &V6, 0 }, { &F3, 0 }, { &A1, 12 }, { &S1, 5 }, { &M3, 0 }, true },
  { 112, { &R3, 0 }, { &V6, 0 }, { &F3, 0 }, { &A3, 4 }, { &S2, 0 }, { &M3, 0 }, true },
};

}  // namespace

const PresetChoice& PresetSet::Choice(TPresetRole Role) const {
  switch (Role) {
  case TPresetRole::Resolution: return Resolution;
  case TPresetRole::VideoBitrate: return VideoBitrate;
  case TPresetRole::AudioBitrate: return AudioBitrate;
  case TPresetRole::AspectMode: return AspectMode;
  case TPresetRole::FrameRate: return FrameRate;
  case TPresetRole::SampleRate: break;
  }
  return SampleRate;
}

std::span<const PresetList* const> PresetLists() { return Lists; }

std::span<const PresetSet> PresetSets() { return Sets; }

const PresetSet* FindPresetSet(int FormatKey) {
  for (const PresetSet& Set : Sets)
    if (Set.FormatKey == FormatKey)
      return &Set;
  return nullptr;
}
