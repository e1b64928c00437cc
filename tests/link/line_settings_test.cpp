#include "link/line_settings.h"

#include <gtest/gtest.h>

namespace tavro::detail {
namespace {

// What a driver may hand over: cooked mode, flow control, odd framing.
termios CookedLine() {
  termios tio{};
  tio.c_iflag = ICRNL | IXON | IXOFF | ISTRIP | INPCK;
  tio.c_oflag = OPOST | ONLCR;
  tio.c_lflag = ICANON | ECHO | ISIG | IEXTEN;
  tio.c_cflag = CS7 | PARENB | PARODD | CSTOPB | CRTSCTS | HUPCL;
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 10;
  cfsetspeed(&tio, B38400);
  return tio;
}

void ExpectRawBytes(const termios& tio) {
  EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
  EXPECT_EQ(tio.c_oflag & OPOST, 0u);
  EXPECT_EQ(tio.c_iflag & (ICRNL | IXON | IXOFF | ISTRIP), 0u);
  EXPECT_EQ(tio.c_cflag & CRTSCTS, 0u);
  EXPECT_EQ(tio.c_cflag & (CLOCAL | CREAD), tcflag_t{CLOCAL | CREAD});
  EXPECT_EQ(tio.c_cc[VMIN], 1);
  EXPECT_EQ(tio.c_cc[VTIME], 0);
}

TEST(LineSettings, StandardFramingFollowsTheDcbCodes) {
  const struct {
    uint32_t baud;
    uint8_t size, parity, stop;
    speed_t speed;
    tcflag_t framing;  // CSIZE | PARENB | PARODD | CMSPAR | CSTOPB bits
  } cases[] = {
      {9600, 8, 0, 0, B9600, CS8},                           // transmitter, meter
      {9600, 8, 0, 2, B9600, CS8 | CSTOPB},                  // servo drives
      {57600, 8, 0, 0, B57600, CS8},
      {1200, 8, 1, 0, B1200, CS8 | PARENB | PARODD},
      {19200, 7, 2, 0, B19200, CS7 | PARENB},
      {4800, 7, 3, 2, B4800, CS7 | PARENB | PARODD | CMSPAR | CSTOPB},  // mark
      {2400, 6, 4, 0, B2400, CS6 | PARENB | CMSPAR},                     // space
      {300, 5, 0, 1, B300, CS5 | CSTOPB},  // one and a half
      {115200, 8, 0, 0, B115200, CS8},
  };
  for (const auto& c : cases) {
    termios tio = CookedLine();
    ASSERT_TRUE(ConfigureStandard(tio, c.baud, c.size, c.parity, c.stop)) << c.baud;
    EXPECT_EQ(tio.c_cflag & (CSIZE | PARENB | PARODD | CMSPAR | CSTOPB), c.framing) << c.baud;
    EXPECT_EQ(cfgetispeed(&tio), c.speed);
    EXPECT_EQ(cfgetospeed(&tio), c.speed);
    EXPECT_EQ(tio.c_iflag & INPCK, 0u);
    ExpectRawBytes(tio);
  }
}

TEST(LineSettings, CodesAndRatesTheLineCannotTakeAreRefused) {
  const struct {
    uint32_t baud;
    uint8_t size, parity, stop;
  } cases[] = {
      {9600, 4, 0, 0}, {9600, 9, 0, 0},  {9600, 0, 0, 0},   // data bits
      {9600, 8, 5, 0}, {9600, 8, 255, 0},                   // parity
      {9600, 8, 0, 3}, {9600, 8, 0, 1},  {9600, 5, 0, 2},   // stop bits
      {0, 8, 0, 0},    {12345, 8, 0, 0}, {14400, 8, 0, 0},  // rates
  };
  for (const auto& c : cases) {
    termios tio = CookedLine();
    EXPECT_FALSE(ConfigureStandard(tio, c.baud, c.size, c.parity, c.stop))
        << c.baud << " " << int{c.size} << " " << int{c.parity} << " " << int{c.stop};
  }
}

TEST(LineSettings, HartIsEightOddOneWithParityChecked) {
  termios tio = CookedLine();
  ASSERT_TRUE(ConfigureHart(tio, 1200));
  EXPECT_EQ(tio.c_cflag & (CSIZE | PARENB | PARODD | CMSPAR | CSTOPB), tcflag_t{CS8 | PARENB | PARODD});
  EXPECT_EQ(cfgetospeed(&tio), B1200);
  EXPECT_EQ(tio.c_iflag & INPCK, tcflag_t{INPCK});
  ExpectRawBytes(tio);

  termios other = CookedLine();
  EXPECT_FALSE(ConfigureHart(other, 1234));
}

}  // namespace
}  // namespace tavro::detail
