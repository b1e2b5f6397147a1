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
  EXPECT_NE(help.message.find("--max-clients"), std::string::npos);
}
