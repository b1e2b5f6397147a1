// The world state of one game; filled in by the world model.
