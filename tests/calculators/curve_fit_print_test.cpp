// The printout of the curve-fit plot reports a page that did not reach its destination.
#include "calculators/curve_fit_print.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/gdi/printer_device.h"

namespace {

// Takes or refuses the finished document, counting what reached it.
class CountingDestination : public PrintDestination {
 public:
  CountingDestination(bool accepts, int* delivered) : accepts_(accepts), delivered_(delivered) {}
  bool Deliver(const std::string& pdf, const std::string&) override {
    if (accepts_ && pdf.starts_with("%PDF")) ++*delivered_;
    return accepts_;
  }

 private:
  bool accepts_;
  int* delivered_;
};

TEST(CurvePrintTest, OnlyAPageThatReachedItsDestinationCountsAsPrinted) {
  for (const bool accepts : {true, false}) {
    int delivered = 0;
    HDC dc = AddDC(std::make_unique<PrinterDevice>(std::make_unique<CountingDestination>(accepts, &delivered)));
    ASSERT_NE(dc, nullptr);
    const CurvePrintTexts texts{"Calibration", "c", "A", "Y = 1 + 2 * X", 30};
    EXPECT_EQ(PrintCurvePage(dc, CurveScale{}, texts, CurvePrintOptions{}), accepts);
    EXPECT_EQ(delivered, accepts ? 1 : 0);
    DeleteDC(dc);
  }
}

}  // namespace
