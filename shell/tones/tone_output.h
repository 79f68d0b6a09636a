#pragma once

namespace vantrel {

// A device that sounds sine tones one after the other, without gaps between them.
class ToneOutput {
  public:
    virtual ~ToneOutput() = default;
    // Queues a tone after those queued before it; false when it cannot be sounded.
    virtual bool Play(int frequencyHz, int milliseconds) = 0;
    // Returns when every queued tone has ended; false when the device failed meanwhile.
    virtual bool Drain() = 0;
};

}  // namespace vantrel
