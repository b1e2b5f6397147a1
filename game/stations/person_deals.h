#pragma once

#include "game/stations/station_context.h"

// The three deals a person offers, by main kind (compared exactly).
inline const std::string kMissionKind = "Auftr\xE4ge";
inline const std::string kInformationKind = "Informationen";
inline const std::string kContractKind = "Diplomatien";

// The person at list position p (from 1); null when there is none.
const PersonRecord* PersonAt(const StationState& station, int p);

// Accepts the mission: the target's world position becomes the local ship's marker, the
// person's number of ships of the target group (as mission ships, group + 200) appear around it,
// and the reward waits until none of them is left. Nothing is paid or checked now.
void AcceptMission(StationContext& context, const PersonRecord& person);

// Pays the person's price and marks every place of the information's name as known; false
// (nothing changes) when the money is short.
bool BuyInformation(StationContext& context, const PersonRecord& person);

// Pays the contract's price and moves the player's standing with the person's group, spread over
// the other groups; false (nothing changes) when the money is short.
bool SignContract(StationContext& context, const PersonRecord& person);

// 471, 472 and 473 for the selected person, and the screen that answers.
void RunPersonDeal(StationContext& context, int code);
