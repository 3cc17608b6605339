#pragma once

#include <complex>
#include <vector>

class QPainter;
class SmithView;

// The decades of frequency (1 Hz, 10 Hz, 100 Hz …) inside a sweep, placed on its Γ curve: a short
// tick across the curve and the frequency beside it, so the curve can be read as a scale.
class DecadeTicks {
public:
    struct Tick {
        double frequency;
        std::complex<double> gamma;
        std::complex<double> along;  // the curve's direction there
    };

    // Per sweep point, the frequencies increasing; Γ is not finite where the point has none.
    DecadeTicks(const std::vector<double>& frequency,
                const std::vector<std::complex<double>>& gamma);
    const std::vector<Tick>& ticks() const { return mTicks; }
    void paint(QPainter& painter, const SmithView& view) const;

private:
    std::vector<Tick> mTicks;
};
