#pragma once
// The converter's application before its message loop: its title, help file and the four windows.
struct TConverterServices;
class TApplication;

/// Titles App "ZorvikWMV格式转换器" with the help file "help.chm" and creates the windows in the order
/// Form1 (the main form, given Services), Form2, Form5, Form7; the later ones refer to the first.
void CreateConverterForms(TApplication& App, const TConverterServices& Services);
