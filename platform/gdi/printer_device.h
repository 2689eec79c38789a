#pragma once
// The device context of a printer: a document of A4 pages at 300 dots per inch, drawn as a PDF
// through cairo. The printing escapes start the document (STARTDOC), end each page (NEWFRAME) and
// end the document (ENDDOC), which hands the finished PDF to its destination: a file, or a printer.
#include <memory>
#include <string>

#include "platform/gdi/device_context.h"

constexpr int NEWFRAME = 1;
constexpr int STARTDOC = 10;
constexpr int ENDDOC = 11;
constexpr int SP_ERROR = -1;

// Where a finished document goes.
class PrintDestination {
 public:
  virtual ~PrintDestination() = default;
  // Takes the PDF of a finished document; false, after telling the user why, when it cannot.
  virtual bool Deliver(const std::string& pdf, const std::string& title) = 0;
};

class PrinterDevice : public DeviceContext {
 public:
  static constexpr int DotsPerInch = 300;
  static constexpr int PageWidth = 2480;   // A4, 210 mm
  static constexpr int PageHeight = 3508;  // 297 mm

  explicit PrinterDevice(std::unique_ptr<PrintDestination> destination);
  // A document not ended goes nowhere.
  ~PrinterDevice() override;

  void Line(POINT from, POINT to) override;
  void Rectangle(const RECT& rect) override;
  void Ellipse(const RECT& rect) override;
  void FillWithBrush(const RECT& rect, HBRUSH brush) override;
  BOOL PatBlt(const RECT& rect, DWORD rop) override;
  COLORREF SetPixel(int x, int y, COLORREF colour) override;
  COLORREF GetPixel(int x, int y) const override;
  void TextRun(std::int64_t x, int y, const char* text, size_t length) override;
  // Paper takes no block transfers: the device has no pixels to copy from or to.
  BOOL Transfer(const RECT& destination, DeviceContext* source, const RECT& sourceRect, DWORD rop) override;
  int Caps(int index) const override;
  // STARTDOC (the document's name as input), NEWFRAME and ENDDOC: above 0 when done, SP_ERROR
  // when not; 0 for an escape the device does not know.
  int Escape(int escape, int inputSize, const void* input, void* output) override;

 private:
  struct Document;
  int StartDocument(int inputSize, const void* input);
  int EndPage();
  int EndDocument();

  std::unique_ptr<PrintDestination> destination_;
  std::unique_ptr<Document> document_;
};
