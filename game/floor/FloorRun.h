#pragma once
// The run state the floor generator reads and changes: the floor number, the story switches,
// the unlocked shops and the secret-room flag. The game data answers it.
namespace game {

class FloorRun {
public:
    virtual ~FloorRun() = default;
    virtual int currentFloor() const = 0;
    // The story switch at the index is set (an index beyond the switches is not).
    virtual bool switchSet(int index) const = 0;
    // The shop of floor index * 10 has been found (an index beyond the list has not).
    virtual bool shopUnlocked(int index) const = 0;
    // Marks the shop found, lengthening the list as needed, and counts it for this run.
    virtual void unlockShop(int index) = 0;
    virtual bool secretTheseFiveFloors() const = 0;
    virtual void setSecretTheseFiveFloors(bool value) = 0;
};

}  // namespace game
