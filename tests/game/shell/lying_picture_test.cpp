// The game program itself, started on a folder whose picture headers lie about their size: it must
// refuse them from the header, show the start-up error and end, without allocating the size
// claimed. The program runs as a child process watched for its memory, so that a loader that
// trusts the header is stopped long before it takes the machine's memory.

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include <cstdio>  // jpeglib.h needs FILE

#include <jpeglib.h>

#include "formats/latin1.h"
#include "game_fixture.h"

extern char** environ;

namespace {

constexpr long kMemoryCeilingKb = 1024 * 1024;  // far above a start-up, far below the claims

struct ProgramRun {
  int exitCode = -1;
  std::string errorOutput;
  long peakMemoryKb = 0;
  std::string stoppedBecause;  // set when the watch had to kill the program
};

long ResidentKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return 0;
}

std::vector<std::string> ChildEnvironment(const std::filesystem::path& home) {
  std::vector<std::string> environment;
  for (char** entry = environ; *entry; ++entry) {
    const std::string text = *entry;
    if (text.rfind("VELMARITH_", 0) == 0) continue;
    environment.push_back(text);
  }
  environment.push_back("VELMARITH_HOME=" + home.string());
  environment.push_back("VELMARITH_HEADLESS=1");
  return environment;
}

// Starts the game on the folder and watches it until it ends (or kills it for taking more
// memory than a start-up needs, or for running a minute).
ProgramRun RunGameOn(const std::filesystem::path& home) {
  ProgramRun run;
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return run;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  std::vector<std::string> environment = ChildEnvironment(home);
  std::vector<char*> envp;
  for (std::string& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);
  std::string program = VELMARITH_GAME_BINARY;
  char* argv[] = {program.data(), nullptr};
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);
  if (spawned != 0) {
    close(pipeEnds[0]);
    return run;
  }
  fcntl(pipeEnds[0], F_SETFL, O_NONBLOCK);
  const auto start = std::chrono::steady_clock::now();
  int status = 0;
  rusage usage{};
  for (;;) {
    char buffer[4096];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
      run.errorOutput.append(buffer, static_cast<size_t>(n));
    }
    if (wait4(pid, &status, WNOHANG, &usage) == pid) break;
    if (run.stoppedBecause.empty()) {
      if (ResidentKb(pid) > kMemoryCeilingKb) run.stoppedBecause = "it took over 1 GB";
      if (std::chrono::steady_clock::now() - start > std::chrono::minutes(1)) {
        run.stoppedBecause = "it ran for a minute";
      }
      if (!run.stoppedBecause.empty()) kill(pid, SIGKILL);
    }
    pollfd wait{pipeEnds[0], POLLIN, 0};
    poll(&wait, 1, 5);
  }
  close(pipeEnds[0]);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.peakMemoryKb = usage.ru_maxrss;
  return run;
}

void ExpectRefusedAtStartup(const std::string& dataPath, const std::string& lyingBytes) {
  FixtureFolder folder;
  WriteMediaFixture(folder.path);
  WriteFixtureFile(DataPath(folder.path, dataPath), lyingBytes);
  const ProgramRun run = RunGameOn(folder.path);
  ASSERT_EQ(run.stoppedBecause, "") << "stopped because " << run.stoppedBecause;
  EXPECT_EQ(run.exitCode, 1);
  const std::string message =
      Latin1ToUtf8("! FEHLER !  Datei \"" + dataPath + "\" konnte nicht geladen werden!");
  EXPECT_NE(run.errorOutput.find(message), std::string::npos) << run.errorOutput;
  EXPECT_LT(run.peakMemoryKb, kMemoryCeilingKb);
}

std::string Little32(std::uint32_t v) {
  return std::string{char(v & 255), char((v >> 8) & 255), char((v >> 16) & 255),
                     char((v >> 24) & 255)};
}

// A real 16 x 16 JPEG whose frame header then claims the given size: it decodes up to the point
// where the decoder allocates the picture.
std::string JpegClaiming(int width, int height) {
  jpeg_compress_struct info;
  jpeg_error_mgr error;
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  unsigned char* bytes = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &bytes, &size);
  info.image_width = 16;
  info.image_height = 16;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row(16 * 3, 128);
  while (info.next_scanline < info.image_height) {
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string jpeg(reinterpret_cast<const char*>(bytes), size);
  std::free(bytes);
  const size_t frame = jpeg.find("\xFF\xC0");
  if (frame == std::string::npos) return "";
  jpeg[frame + 5] = static_cast<char>(height >> 8);
  jpeg[frame + 6] = static_cast<char>(height & 255);
  jpeg[frame + 7] = static_cast<char>(width >> 8);
  jpeg[frame + 8] = static_cast<char>(width & 255);
  return jpeg;
}

}  // namespace

TEST(LyingPicture, A70ByteBmpClaiming60000SquaredEndsStartUpWithTheFileError) {
  std::string bmp = "BM" + Little32(70) + Little32(0) + Little32(54) + Little32(40) +
                    Little32(60000) + Little32(60000) + std::string("\x01\x00\x18\x00", 4);
  bmp += std::string(70 - bmp.size(), '\0');
  ASSERT_EQ(bmp.size(), 70u);
  ExpectRefusedAtStartup(
      "BMP\\Oberfl\xE4"
      "chen\\Info.bmp",
      bmp);
}

TEST(LyingPicture, AJpegClaiming60000SquaredEndsStartUpWithTheFileError) {
  const std::string jpeg = JpegClaiming(60000, 60000);
  ASSERT_FALSE(jpeg.empty());
  ExpectRefusedAtStartup("BMP\\LOGO.jpg", jpeg);
}
