#include "server/options.h"

#include <gtest/gtest.h>

TEST(ServerOptions, DefaultsLiveBesideTheProgramAndEveryOptionIsRead) {
  ParsedOptions parsed = ParseServerOptions({}, "/opt/Velmarith");
  ASSERT_TRUE(parsed.ok);
  EXPECT_EQ(parsed.options.port, 7001);
  EXPECT_EQ(parsed.options.listenAddress, "127.0.0.1");
  EXPECT_EQ(parsed.options.database, "/opt/Velmarith/velmarith-server.db");
  EXPECT_EQ(parsed.options.gameFolder, "/opt/Velmarith");
  EXPECT_EQ(parsed.options.maxClients, 64);
  EXPECT_EQ(parsed.options.flushMs, 0);
  EXPECT_EQ(parsed.options.maxPerAddress, 8);
  EXPECT_EQ(parsed.options.helloSeconds, 10);
  EXPECT_EQ(parsed.options.idleSeconds, 300);
  EXPECT_EQ(parsed.options.accountsPerHour, 5);

  parsed = ParseServerOptions({"--port", "0", "--listen", "::1", "--db", "x.db", "--game", "g",
                               "--max-clients", "3", "--port-file", "p", "--flush-ms", "2"},
                              "/opt");
  ASSERT_TRUE(parsed.ok) << parsed.message;
  EXPECT_EQ(parsed.options.port, 0);
  EXPECT_EQ(parsed.options.listenAddress, "::1");
  EXPECT_EQ(parsed.options.database, "x.db");
  EXPECT_EQ(parsed.options.gameFolder, "g");
  EXPECT_EQ(parsed.options.maxClients, 3);
  EXPECT_EQ(parsed.options.portFile, "p");
  EXPECT_EQ(parsed.options.flushMs, 2);

  parsed = ParseServerOptions(
      {"--max-per-address", "200", "--accounts-per-hour", "0", "--requests-per-second", "9",
       "--hello-seconds", "1", "--idle-seconds", "60", "--max-game-kib", "512",
       "--game-store-seconds", "0", "--upload-mib", "8"},
      "/opt");
  ASSERT_TRUE(parsed.ok) << parsed.message;
  const ServerOptions& o = parsed.options;
  EXPECT_EQ(
      std::vector<int>({o.maxPerAddress, o.accountsPerHour, o.requestsPerSecond, o.helloSeconds,
                        o.idleSeconds, o.maxGameKib, o.gameStoreSeconds, o.uploadMib}),
      std::vector<int>({200, 0, 9, 1, 60, 512, 0, 8}));
}

TEST(ServerOptions, BadCommandLinesAreRefusedWithTheReason) {
  EXPECT_EQ(ParseServerOptions({"--port", "65536"}, "/").message, "bad value for --port: 65536");
  EXPECT_EQ(ParseServerOptions({"--port", "70x"}, "/").message, "bad value for --port: 70x");
  EXPECT_EQ(ParseServerOptions({"--port"}, "/").message, "--port needs a value");
  EXPECT_FALSE(ParseServerOptions({"--max-clients", "1001"}, "/").ok);
  EXPECT_EQ(ParseServerOptions({"--db", ""}, "/").message, "bad value for --db: ");
  EXPECT_EQ(ParseServerOptions({"--verbose", "1"}, "/").message, "unknown option --verbose");
  EXPECT_FALSE(ParseServerOptions({"extra"}, "/").ok);
  const ParsedOptions help = ParseServerOptions({"--help"}, "/");
  EXPECT_TRUE(help.help);
  for (const char* option : {"--max-clients", "--max-per-address", "--accounts-per-hour",
                             "--requests-per-second", "--hello-seconds", "--idle-seconds",
                             "--max-game-kib", "--game-store-seconds", "--upload-mib"}) {
    EXPECT_NE(help.message.find(option), std::string::npos) << option;
  }
  EXPECT_EQ(ParseServerOptions({"--max-game-kib", "4"}, "/").message,
            "bad value for --max-game-kib: 4");
}
