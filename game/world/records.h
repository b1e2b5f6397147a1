#pragma once

#include <string>
#include <tuple>

#include "formats/record_fields.h"
#include "formats/ship_record.h"

// The records of the world lists. Fields are in storage order, which is also the order of the
// list's add operation (a designated initializer must follow it) and of saved games.

struct SystemObjectRecord {
  int type = 0;
  int id = 0;
  float radius = 0;
  float x = 0;
  float y = 0;
  float angle = 0;
  float spin = 0;
  int bound = 0;  // 1 while some ship has this object as its dock target
  int group = 0;
  std::string name;
};

struct EnvironmentPieceRecord {
  int type = 0;
  float size = 0;
  float x = 0;
  float y = 0;
  float depth = 0;  // parallax: placed relative to the camera at position x depth x 0.02
  float angle = 0;
  float spin = 0;
  int jitter = 0;
  float alphaFactor = 0;
};

struct ProjectileRecord {
  int sprite = 0;  // 3000 + weapon type; 4401 mine
  int kind = 0;
  int ownerId = 0;
  int ownerGroup = 0;
  float radius = 0;
  float x = 0;
  float y = 0;
  float heading = 0;
  float speed = 0;
  int travelled = 0;
  int range = 0;
  float homing = 0;
  int hullDamage = 0;
  int shieldDamage = 0;
};

struct FloatingObjectRecord {
  int type = 0;  // below 2000 rock fragments, 3901 weapon pod, 3911-3913 cargo pods
  int item = 0;
  int amount = 0;
  float radius = 0;
  float x = 0;
  float y = 0;
  float heading = 0;
  float speed = 0;
  float spin = 0;
  int life = 0;  // frames left; 0 = unlimited
};

struct ParticleRecord {
  int sprite = 0;
  float size = 0;
  float x = 0;
  float y = 0;
  float heading = 0;
  float speed = 0;
  int alpha = 0;
  float life = 0;
};

struct FieldGlowRecord {
  int x = 0;
  int y = 0;
  int radius = 0;
  int colour = 0;  // red in the lowest byte
};

struct TickerMessageRecord {
  int colour1 = 0;
  std::string text1;
  int colour2 = 0;
  std::string text2;
  int life = 0;
};

struct PlaceRecord {
  std::string name;
  int known = 0;
  int x = 0;
  int y = 0;
  std::string systemFolder;
  std::string shipOffers;
  std::string weaponOffers;
  std::string goodsOffers;
  std::string goodsPrices;
};

// Field lists, in storage order (record_fields.h).

template <>
struct RecordFields<SystemObjectRecord> {
  static constexpr auto kList = std::make_tuple(
      Field("type", &SystemObjectRecord::type), Field("id", &SystemObjectRecord::id),
      Field("radius", &SystemObjectRecord::radius), Field("x", &SystemObjectRecord::x),
      Field("y", &SystemObjectRecord::y), Field("angle", &SystemObjectRecord::angle),
      Field("spin", &SystemObjectRecord::spin), Field("bound", &SystemObjectRecord::bound),
      Field("group", &SystemObjectRecord::group), Field("name", &SystemObjectRecord::name));
};

template <>
struct RecordFields<EnvironmentPieceRecord> {
  static constexpr auto kList = std::make_tuple(
      Field("type", &EnvironmentPieceRecord::type), Field("size", &EnvironmentPieceRecord::size),
      Field("x", &EnvironmentPieceRecord::x), Field("y", &EnvironmentPieceRecord::y),
      Field("depth", &EnvironmentPieceRecord::depth),
      Field("angle", &EnvironmentPieceRecord::angle), Field("spin", &EnvironmentPieceRecord::spin),
      Field("jitter", &EnvironmentPieceRecord::jitter),
      Field("alphaFactor", &EnvironmentPieceRecord::alphaFactor));
};

template <>
struct RecordFields<ProjectileRecord> {
  static constexpr auto kList = std::make_tuple(
      Field("sprite", &ProjectileRecord::sprite), Field("kind", &ProjectileRecord::kind),
      Field("ownerId", &ProjectileRecord::ownerId),
      Field("ownerGroup", &ProjectileRecord::ownerGroup),
      Field("radius", &ProjectileRecord::radius), Field("x", &ProjectileRecord::x),
      Field("y", &ProjectileRecord::y), Field("heading", &ProjectileRecord::heading),
      Field("speed", &ProjectileRecord::speed), Field("travelled", &ProjectileRecord::travelled),
      Field("range", &ProjectileRecord::range), Field("homing", &ProjectileRecord::homing),
      Field("hullDamage", &ProjectileRecord::hullDamage),
      Field("shieldDamage", &ProjectileRecord::shieldDamage));
};

template <>
struct RecordFields<FloatingObjectRecord> {
  static constexpr auto kList = std::make_tuple(
      Field("type", &FloatingObjectRecord::type), Field("item", &FloatingObjectRecord::item),
      Field("amount", &FloatingObjectRecord::amount),
      Field("radius", &FloatingObjectRecord::radius), Field("x", &FloatingObjectRecord::x),
      Field("y", &FloatingObjectRecord::y), Field("heading", &FloatingObjectRecord::heading),
      Field("speed", &FloatingObjectRecord::speed), Field("spin", &FloatingObjectRecord::spin),
      Field("life", &FloatingObjectRecord::life));
};

template <>
struct RecordFields<ParticleRecord> {
  static constexpr auto kList = std::make_tuple(
      Field("sprite", &ParticleRecord::sprite), Field("size", &ParticleRecord::size),
      Field("x", &ParticleRecord::x), Field("y", &ParticleRecord::y),
      Field("heading", &ParticleRecord::heading), Field("speed", &ParticleRecord::speed),
      Field("alpha", &ParticleRecord::alpha), Field("life", &ParticleRecord::life));
};

template <>
struct RecordFields<FieldGlowRecord> {
  static constexpr auto kList = std::make_tuple(
      Field("x", &FieldGlowRecord::x), Field("y", &FieldGlowRecord::y),
      Field("radius", &FieldGlowRecord::radius), Field("colour", &FieldGlowRecord::colour));
};

template <>
struct RecordFields<TickerMessageRecord> {
  static constexpr auto kList = std::make_tuple(
      Field("colour1", &TickerMessageRecord::colour1), Field("text1", &TickerMessageRecord::text1),
      Field("colour2", &TickerMessageRecord::colour2), Field("text2", &TickerMessageRecord::text2),
      Field("life", &TickerMessageRecord::life));
};

template <>
struct RecordFields<PlaceRecord> {
  static constexpr auto kList =
      std::make_tuple(Field("name", &PlaceRecord::name), Field("known", &PlaceRecord::known),
                      Field("x", &PlaceRecord::x), Field("y", &PlaceRecord::y),
                      Field("systemFolder", &PlaceRecord::systemFolder),
                      Field("shipOffers", &PlaceRecord::shipOffers),
                      Field("weaponOffers", &PlaceRecord::weaponOffers),
                      Field("goodsOffers", &PlaceRecord::goodsOffers),
                      Field("goodsPrices", &PlaceRecord::goodsPrices));
};
