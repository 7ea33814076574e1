// Object lifetimes: stock objects, selection, deletion while selected, stale handles.
#include "platform/gdi/GdiObject.h"

#include <gtest/gtest.h>

#include <thread>

#include "GdiTestCanvas.h"

TEST(GdiObjectTest, NewDCHoldsTheStockDefaults) {
  HDC DC = CreateCompatibleDC(nullptr);
  EXPECT_EQ(GetObjectType(DC), OBJ_MEMDC);
  EXPECT_EQ(GetCurrentObject(DC, OBJ_PEN), GetStockObject(BLACK_PEN));
  EXPECT_EQ(GetCurrentObject(DC, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
  BITMAP B;
  ASSERT_EQ(GetObject(GetCurrentObject(DC, OBJ_BITMAP), sizeof B, &B), int(sizeof B));
  EXPECT_EQ(B.bmWidth, 1);
  EXPECT_EQ(B.bmBitsPixel, 1);
  EXPECT_TRUE(Rectangle(DC, 0, 0, 4, 4));  // draws nowhere, harms nothing
  EXPECT_FALSE(DeleteObject(GetStockObject(BLACK_PEN)));
  EXPECT_EQ(GetObjectType(GetStockObject(BLACK_PEN)), OBJ_PEN);
  EXPECT_TRUE(DeleteDC(DC));
}

TEST(GdiObjectTest, RecordsDescribePensAndBrushes) {
  HPEN Pen = CreatePen(PS_SOLID, 0, clBtnShadow);
  LOGPEN P;
  ASSERT_EQ(GetObject(Pen, sizeof P, &P), int(sizeof P));
  EXPECT_EQ(P.lopnColor, RGB(128, 128, 128));
  EXPECT_EQ(P.lopnWidth.X, 1);
  HBRUSH Null = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  LOGBRUSH B;
  ASSERT_EQ(GetObject(Null, sizeof B, &B), int(sizeof B));
  EXPECT_EQ(B.lbStyle, BS_NULL);
  EXPECT_EQ(GetObject(Pen, 2, &P), 0);
  EXPECT_EQ(CreatePen(99, 1, clBlack), nullptr);
  DeleteObject(Pen);
}

TEST(GdiObjectTest, DeletingASelectedObjectWaitsForTheDC) {
  GdiTestCanvas C(4, 4);
  HPEN Pen = CreatePen(PS_SOLID, 1, clRed);
  SelectObject(C.DC, Pen);
  SaveDC(C.DC);
  EXPECT_TRUE(DeleteObject(Pen));
  EXPECT_EQ(GetObjectType(Pen), 0);        // gone for the caller
  EXPECT_EQ(SelectObject(C.DC, Pen), nullptr);
  MoveToEx(C.DC, 0, 0, nullptr);
  LineTo(C.DC, 3, 0);  // still drawn with by the DC
  EXPECT_EQ(C.At(1, 0), clRed);
  SelectObject(C.DC, GetStockObject(BLACK_PEN));
  RestoreDC(C.DC, 1);  // the saved state still held it
  LineTo(C.DC, 0, 3);  // from the restored position (0, 0)
  EXPECT_EQ(C.At(0, 2), clRed);
  SelectObject(C.DC, GetStockObject(BLACK_PEN));  // last holder lets go: freed now
}

TEST(GdiObjectTest, ABitmapLivesInOneMemoryDCAtATime) {
  HBITMAP B = CreateCompatibleBitmap(nullptr, 2, 2);
  HDC First = CreateCompatibleDC(nullptr);
  HDC Second = CreateCompatibleDC(nullptr);
  HGDIOBJ Old = SelectObject(First, B);
  ASSERT_NE(Old, nullptr);
  EXPECT_EQ(SelectObject(Second, B), nullptr);
  SelectObject(First, Old);
  EXPECT_NE(SelectObject(Second, B), nullptr);
  DeleteDC(Second);  // leaves the bitmap free to select again
  EXPECT_NE(SelectObject(First, B), nullptr);
  DeleteDC(First);
  EXPECT_TRUE(DeleteObject(B));
}

TEST(GdiObjectTest, StaleAndForeignHandlesFailTheCall) {
  HBRUSH Brush = CreateSolidBrush(clRed);
  ASSERT_TRUE(DeleteObject(Brush));
  EXPECT_FALSE(DeleteObject(Brush));
  GdiTestCanvas C(2, 2);
  EXPECT_EQ(FillRect(C.DC, { 0, 0, 2, 2 }, Brush), 0);
  EXPECT_EQ(C.At(0, 0), clWhite);
  HDC DC = CreateCompatibleDC(nullptr);
  EXPECT_FALSE(DeleteObject(DC));  // DCs are freed with DeleteDC
  EXPECT_TRUE(DeleteDC(DC));
  EXPECT_FALSE(DeleteDC(DC));
  EXPECT_EQ(SetBkMode(DC, OPAQUE), 0);
}

TEST(GdiObjectTest, AHandleUsedOftenIsRefusedOnceAnotherThreadDeletedIt) {
  GdiTestCanvas C(2, 2);
  HBRUSH Brush = CreateSolidBrush(clRed);
  for (int I = 0; I < 3; ++I) EXPECT_NE(FillRect(C.DC, { 0, 0, 1, 1 }, Brush), 0);
  std::thread([Brush] { EXPECT_TRUE(DeleteObject(Brush)); }).join();
  EXPECT_EQ(FillRect(C.DC, { 1, 0, 2, 1 }, Brush), 0);
  EXPECT_EQ(C.At(1, 0), clWhite);
  EXPECT_EQ(GetObjectType(Brush), 0);
}
