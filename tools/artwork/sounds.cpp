// The game's five sounds, synthesised: struck partials with exponential
// decays for the gems and the mallet notes, filtered noise for the clicks and
// swishes. Each sound is scaled to a peak well below full scale and faded in
// and out, so that it starts and ends on silence.

#include <QtEndian>
#include <algorithm>
#include <cmath>

#include "artwork/artwork.h"
#include "artwork/random.h"

namespace artwork {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRate = kSampleRate;

using Buffer = std::vector<double>;

Buffer silence(double seconds) {
  return Buffer(static_cast<std::size_t>(std::lround(seconds * kRate)), 0.0);
}

// A second-order band-pass filter (constant peak gain), retunable per sample.
class BandPass {
 public:
  double step(double x, double centre, double q) {
    const double w = 2.0 * kPi * centre / kRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    const double b0 = alpha / a0;
    const double b2 = -alpha / a0;
    const double a1 = -2.0 * std::cos(w) / a0;
    const double a2 = (1.0 - alpha) / a0;
    const double y = b0 * x + b2 * x2_ - a1 * y1_ - a2 * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
  }

 private:
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A one-pole low-pass, to take the hiss off the noise.
class LowPass {
 public:
  explicit LowPass(double cutoff) : a_(1.0 - std::exp(-2.0 * kPi * cutoff / kRate)) {}
  double step(double x) { return y_ += a_ * (x - y_); }

 private:
  double a_;
  double y_ = 0.0;
};

// Noise in [-1, 1] from our own generator.
class Noise {
 public:
  explicit Noise(std::uint64_t seed) : random_(seed) {}
  double next() { return random_.range(-1.0, 1.0); }

 private:
  Random random_;
};

// A struck partial: quick attack, exponential decay.
void addPartial(Buffer& b, double start, double frequency, double amplitude, double decay,
                double attack = 0.0015, double phase = 0.0) {
  const auto first = static_cast<std::size_t>(std::lround(start * kRate));
  for (std::size_t i = first; i < b.size(); ++i) {
    const double t = static_cast<double>(i - first) / kRate;
    const double env = (t < attack ? std::sin(0.5 * kPi * t / attack) : 1.0) * std::exp(-t / decay);
    if (t > attack && env < 1e-5) break;
    b[i] += amplitude * env * std::sin(2.0 * kPi * frequency * t + phase);
  }
}

// A short burst of band-passed noise, the tick of hard things meeting.
void addTick(Buffer& b, double start, double centre, double amplitude, double decay,
             std::uint64_t seed) {
  Noise noise(seed);
  BandPass filter;
  LowPass soften(centre * 1.8);
  const auto first = static_cast<std::size_t>(std::lround(start * kRate));
  for (std::size_t i = first; i < b.size(); ++i) {
    const double t = static_cast<double>(i - first) / kRate;
    const double env = (t < 0.0004 ? t / 0.0004 : 1.0) * std::exp(-t / decay);
    if (t > 0.001 && env < 1e-5) break;
    b[i] += amplitude * env * soften.step(filter.step(noise.next(), centre, 1.4));
  }
}

// One gem knocking on the board: a tick and a few inharmonic partials.
void addKnock(Buffer& b, double start, double pitch, double amplitude, std::uint64_t seed) {
  addTick(b, start, 3400.0 * pitch, 0.9 * amplitude, 0.0035, seed);
  addPartial(b, start, 1180.0 * pitch, 0.55 * amplitude, 0.022);
  addPartial(b, start, 2650.0 * pitch, 0.30 * amplitude, 0.013, 0.0015, 0.7);
  addPartial(b, start, 4390.0 * pitch, 0.16 * amplitude, 0.008, 0.0015, 1.9);
  addPartial(b, start, 430.0 * pitch, 0.22 * amplitude, 0.016);
}

// Noise swept through a band: a swish from one centre to the other.
void addSwish(Buffer& b, double start, double length, double fromHz, double toHz, double amplitude,
              std::uint64_t seed) {
  Noise noise(seed);
  BandPass filter;
  LowPass soften(std::max(fromHz, toHz) * 1.5);
  const auto first = static_cast<std::size_t>(std::lround(start * kRate));
  const auto count = static_cast<std::size_t>(std::lround(length * kRate));
  for (std::size_t k = 0; k < count && first + k < b.size(); ++k) {
    const double u = static_cast<double>(k) / static_cast<double>(count);
    const double env = std::sin(kPi * u) * std::sin(kPi * u) * (1.0 - 0.4 * u);
    const double centre = fromHz * std::pow(toHz / fromHz, u);
    b[first + k] += amplitude * env * soften.step(filter.step(noise.next(), centre, 2.2));
  }
}

// A mallet note on a wooden bar: the fundamental, the bar's fourth-ish
// overtone and a faint high one, the higher ones dying faster.
void addMallet(Buffer& b, double start, double frequency, double amplitude, double decay) {
  addPartial(b, start, frequency, amplitude, decay, 0.003);
  addPartial(b, start, frequency * 3.93, amplitude * 0.28, decay * 0.28, 0.002);
  if (frequency * 9.2 < 9000.0)
    addPartial(b, start, frequency * 9.2, amplitude * 0.07, decay * 0.12, 0.001);
  addPartial(b, start, frequency * 2.0, amplitude * 0.10, decay * 0.6, 0.004);
}

// A soft, rounded note with a slow attack and a little vibrato; the pitch may
// sag by the end (droop in semitones).
void addSoftNote(Buffer& b, double start, double length, double frequency, double amplitude,
                 double droop = 0.0) {
  const auto first = static_cast<std::size_t>(std::lround(start * kRate));
  const auto count = static_cast<std::size_t>(std::lround(length * kRate));
  double phase = 0.0;
  for (std::size_t k = 0; k < count && first + k < b.size(); ++k) {
    const double t = static_cast<double>(k) / kRate;
    const double u = static_cast<double>(k) / static_cast<double>(count);
    const double attack = std::min(1.0, t / 0.025);
    const double release = std::min(1.0, (length - t) / 0.08);
    const double env =
        attack * release * (0.85 + 0.15 * std::exp(-t / 0.12)) * std::exp(-t / (length * 1.6));
    const double vibrato = 1.0 + 0.004 * std::sin(2.0 * kPi * 5.2 * t) * std::min(1.0, t / 0.15);
    const double f = frequency * vibrato * std::pow(2.0, -droop * u * u / 12.0);
    phase += 2.0 * kPi * f / kRate;
    const double s = std::sin(phase) + 0.30 * std::sin(2.0 * phase) + 0.10 * std::sin(3.0 * phase) +
                     0.04 * std::sin(4.0 * phase);
    b[first + k] += amplitude * env * s;
  }
}

double note(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

// Scales to the given peak (a fraction of full scale, chosen per sound so
// that short clicks and held notes sound about as loud) and fades both ends,
// then quantises.
std::vector<std::int16_t> finish(Buffer b, double peakLevel, double fadeIn, double fadeOut) {
  double peak = 0.0;
  for (double v : b) peak = std::max(peak, std::abs(v));
  const double gain = peak > 0.0 ? peakLevel / peak : 0.0;
  const auto in = static_cast<std::size_t>(fadeIn * kRate);
  const auto out = static_cast<std::size_t>(fadeOut * kRate);
  std::vector<std::int16_t> samples(b.size());
  for (std::size_t i = 0; i < b.size(); ++i) {
    double v = b[i] * gain;
    if (i < in) v *= 0.5 - 0.5 * std::cos(kPi * static_cast<double>(i) / static_cast<double>(in));
    const std::size_t fromEnd = b.size() - 1 - i;
    if (fromEnd < out)
      v *= 0.5 - 0.5 * std::cos(kPi * static_cast<double>(fromEnd) / static_cast<double>(out));
    samples[i] = static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0));
  }
  return samples;
}

std::vector<std::int16_t> drop() {
  Buffer b = silence(0.15);
  addKnock(b, 0.0015, 1.0, 1.0, 0xD40Bu);
  // The gem settles with a tiny second knock.
  addKnock(b, 0.034, 1.07, 0.22, 0xD40Cu);
  return finish(b, 0.62, 0.0008, 0.030);
}

std::vector<std::int16_t> pickup() {
  Buffer b = silence(0.42);
  addSwish(b, 0.0, 0.34, 700.0, 2600.0, 0.55, 0x51C4u);
  const double times[] = {0.012, 0.052, 0.083, 0.128, 0.150};
  const double pitches[] = {1.22, 1.35, 1.16, 1.42, 1.28};
  const double levels[] = {0.75, 0.62, 0.55, 0.42, 0.30};
  for (int i = 0; i < 5; ++i)
    addKnock(b, times[i], pitches[i], levels[i], 0x9000u + static_cast<std::uint64_t>(i));
  return finish(b, 0.58, 0.002, 0.06);
}

std::vector<std::int16_t> steal() {
  Buffer b = silence(0.78);
  addSwish(b, 0.0, 0.42, 3200.0, 520.0, 0.85, 0x57E1u);
  // Gems pouring into the store, faster and faster.
  double t = 0.10;
  double gap = 0.075;
  for (int i = 0; i < 7; ++i) {
    addKnock(b, t, 0.95 + 0.06 * (i % 3), 0.55 - 0.04 * i, 0xA100u + static_cast<std::uint64_t>(i));
    t += gap;
    gap *= 0.78;
  }
  // And a bright little chime on top: E6 then A6.
  addMallet(b, 0.30, note(19), 0.32, 0.30);
  addMallet(b, 0.40, note(24), 0.36, 0.34);
  return finish(b, 0.62, 0.002, 0.09);
}

std::vector<std::int16_t> winner() {
  Buffer b = silence(1.55);
  // C5 E5 G5 C6, then the chord rings.
  const int notes[] = {3, 7, 10, 15};
  for (int i = 0; i < 4; ++i) addMallet(b, 0.01 + 0.115 * i, note(notes[i]), 0.6, 0.32);
  addMallet(b, 0.50, note(15), 0.55, 0.55);
  addMallet(b, 0.50, note(10), 0.35, 0.50);
  addMallet(b, 0.50, note(7), 0.30, 0.48);
  addMallet(b, 0.50, note(19), 0.22, 0.40);
  return finish(b, 0.60, 0.002, 0.20);
}

std::vector<std::int16_t> loser() {
  Buffer b = silence(1.75);
  // G4, F#4, F4, then a long sagging E4: the classic let-down.
  addSoftNote(b, 0.00, 0.32, note(-2), 0.5);
  addSoftNote(b, 0.30, 0.32, note(-3), 0.5);
  addSoftNote(b, 0.60, 0.32, note(-4), 0.5);
  addSoftNote(b, 0.90, 0.82, note(-5), 0.55, 0.7);
  return finish(b, 0.42, 0.004, 0.18);
}

}  // namespace

std::vector<std::int16_t> synthesiseSound(Sound sound) {
  switch (sound) {
    case Sound::Drop:
      return drop();
    case Sound::Pickup:
      return pickup();
    case Sound::Steal:
      return steal();
    case Sound::Winner:
      return winner();
    case Sound::Loser:
      return loser();
  }
  return {};
}

QByteArray encodeWave(const std::vector<std::int16_t>& samples, int sampleRate) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  QByteArray out;
  out.reserve(static_cast<qsizetype>(44 + dataBytes));
  auto u32 = [&out](std::uint32_t v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
  };
  auto u16 = [&out](std::uint16_t v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
  };
  out.append("RIFF", 4);
  u32(36 + dataBytes);
  out.append("WAVE", 4);
  out.append("fmt ", 4);
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(static_cast<std::uint32_t>(sampleRate));
  u32(static_cast<std::uint32_t>(sampleRate) * 2);  // bytes per second
  u16(2);                                           // bytes per frame
  u16(16);                                          // bits per sample
  out.append("data", 4);
  u32(dataBytes);
  for (std::int16_t s : samples) u16(static_cast<std::uint16_t>(s));
  return out;
}

}  // namespace artwork
