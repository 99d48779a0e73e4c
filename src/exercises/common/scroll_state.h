#pragma once
// How far a content area is scrolled, in steps, and how far it can go. The
// limit is measured by the first paint after a load; until then the area
// cannot scroll.
namespace lumora {

class ScrollState {
  public:
    // Back to the top, with the limit to be measured again.
    void Reset() {
        position_ = 0;
        limit_ = 0;
        measured_ = false;
    }
    void SetLimit(int limit) {
        limit_ = limit;
        measured_ = true;
    }
    bool Measured() const { return measured_; }

    void Up() {
        if (position_ > 0) {
            --position_;
        }
    }
    void Down() {
        if (position_ < limit_) {
            ++position_;
        }
    }
    bool CanUp() const { return position_ > 0; }
    bool CanDown() const { return position_ < limit_; }
    int Position() const { return position_; }
    int Limit() const { return limit_; }

  private:
    int position_ = 0;
    int limit_ = 0;
    bool measured_ = false;
};

} // namespace lumora
