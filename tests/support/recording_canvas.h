#pragma once
// A printer canvas for tests: fixed, simple metrics and a record of everything drawn.
// A character is as wide as the font's size in pixels (bold and italic change nothing) and
// a line is twice the size high. The page is 8.5 x 11 inches at the given resolution,
// portrait, and swaps its sides in landscape.

#include <string>
#include <utility>
#include <vector>

#include "kesto/platform/printer_canvas.h"

namespace kesto::test {

class RecordingCanvas final : public PrinterCanvas {
  public:
    struct DrawCall {
        std::string text;
        int x = 0;
        int y = 0;
        CanvasFont font;
        int job = 0;  // from 1, the job the call was drawn in
    };

    explicit RecordingCanvas(int pixelsPerInch = 100);

    int PixelsPerInchX() const override { return pixelsPerInch_; }
    int PixelsPerInchY() const override { return pixelsPerInch_; }
    int PageWidth() const override;
    int PageHeight() const override;
    PageOrientation Orientation() const override { return orientation_; }
    void SetOrientation(PageOrientation orientation) override;
    CanvasFont Font() const override { return font_; }
    void SetFont(const CanvasFont& font) override { font_ = font; }
    int TextWidth(std::string_view text) const override;
    int TextHeight(std::string_view text) const override;
    void TextOut(int x, int y, std::string_view text) override;
    Status BeginDoc(std::string_view title) override;
    Status EndDoc() override;

    // The next BeginDoc (or EndDoc) fails with this text.
    void FailNextBeginDoc(std::string error) { beginError_ = std::move(error); }
    void FailNextEndDoc(std::string error) { endError_ = std::move(error); }

    const std::vector<DrawCall>& Calls() const { return calls_; }
    // Job titles in the order the jobs began; and how many were ended.
    const std::vector<std::string>& JobTitles() const { return jobTitles_; }
    int EndedJobs() const { return endedJobs_; }
    bool InJob() const { return inJob_; }
    // Every orientation set, in order.
    const std::vector<PageOrientation>& OrientationChanges() const { return orientationChanges_; }
    // Misuse seen: drawing outside a job, nested jobs, orientation set inside a job.
    const std::vector<std::string>& Misuses() const { return misuses_; }

  private:
    int pixelsPerInch_;
    PageOrientation orientation_ = PageOrientation::Portrait;
    CanvasFont font_;
    bool inJob_ = false;
    int endedJobs_ = 0;
    std::string beginError_;
    std::string endError_;
    std::vector<DrawCall> calls_;
    std::vector<std::string> jobTitles_;
    std::vector<PageOrientation> orientationChanges_;
    std::vector<std::string> misuses_;
};

}  // namespace kesto::test
