#include "tests/support/recording_canvas.h"

#include <utility>

namespace kesto::test {

RecordingCanvas::RecordingCanvas(int pixelsPerInch) : pixelsPerInch_(pixelsPerInch) {}

int RecordingCanvas::PageWidth() const {
    const int portrait = pixelsPerInch_ * 17 / 2;
    return orientation_ == PageOrientation::Portrait ? portrait : pixelsPerInch_ * 11;
}

int RecordingCanvas::PageHeight() const {
    const int portrait = pixelsPerInch_ * 11;
    return orientation_ == PageOrientation::Portrait ? portrait : pixelsPerInch_ * 17 / 2;
}

void RecordingCanvas::SetOrientation(PageOrientation orientation) {
    if (inJob_) {
        misuses_.push_back("orientation set inside a job");
    }
    orientation_ = orientation;
    orientationChanges_.push_back(orientation);
}

int RecordingCanvas::TextWidth(std::string_view text) const {
    return static_cast<int>(text.size()) * font_.size;
}

int RecordingCanvas::TextHeight(std::string_view) const {
    return 2 * font_.size;
}

void RecordingCanvas::TextOut(int x, int y, std::string_view text) {
    if (!inJob_) {
        misuses_.push_back("text drawn outside a job: " + std::string(text));
    }
    calls_.push_back({std::string(text), x, y, font_, static_cast<int>(jobTitles_.size())});
}

Status RecordingCanvas::BeginDoc(std::string_view title) {
    if (inJob_) {
        misuses_.push_back("job begun inside a job");
    }
    if (!beginError_.empty()) {
        return Status::Failure(std::exchange(beginError_, {}));
    }
    inJob_ = true;
    jobTitles_.emplace_back(title);
    return {};
}

Status RecordingCanvas::EndDoc() {
    if (!inJob_) {
        misuses_.push_back("job ended outside a job");
    }
    inJob_ = false;
    if (!endError_.empty()) {
        return Status::Failure(std::exchange(endError_, {}));
    }
    ++endedJobs_;
    return {};
}

}  // namespace kesto::test
