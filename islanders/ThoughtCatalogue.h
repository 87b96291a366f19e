// The islanders' thought catalogue: one rule a line, for the even text ids
// 30000..31106; CPerson::InitThoughts lays each out twice, the copy carrying
// the woman's text id. Columns: text id, rare, minimum and maximum age in
// years (-1 none, maximum exclusive), a reserved -1, up to four faces (the
// used ones first) and the condition kind:
//   0 always          1 outdoor work     2 rain              3 thunder or worse
//   4 any work        5 fishing          6 breaking rock     7 chopping
//   8 gardening       9 research        10 crafting         11 building
//  12 in the water   13 heavy storm     14 quiet rain       15 thunderstorm
//  16 no work allowed 17 tired          18 very tired       19 few fish left
//  20 a baby's first thought            21 peckish          22 very hungry
// The texts themselves live in tools/manifest/thoughts.strings.
#pragma once

#include "ThoughtData.h"

namespace thought_catalogue {

constexpr int SMILE = 0, NEUTRAL = 1, ANGRY = 2, FROWN = 3, SURPRISED = 4, WORRIED = 5, NONE = -1;

constexpr thought_data R(int id, bool rare, int minAge, int maxAge, int f0, int f1, int f2, int kind)
{
    return thought_data{id, rare, minAge, maxAge, -1, {f0, f1, f2, -1}, kind};
}

// clang-format off
constexpr thought_data kThoughtRules[] = {
    R(30000, false, 4, -1, SMILE, NONE, NONE, 0),  // What a beautiful day to be alive!
    R(30002, false, 18, 45, NONE, NONE, NONE, 0),  // I'd love to have a little one running about one day.
    R(30004, false, -1, 14, NONE, NONE, NONE, 0),  // I wish I had a brother to play with.
    R(30006, false, -1, 14, NONE, NONE, NONE, 0),  // I wish I had a sister to play with.
    R(30008, true, 4, -1, WORRIED, SURPRISED, NONE, 0),  // I keep feeling that someone is watching me...
    R(30010, false, 14, -1, SMILE, NONE, NONE, 0),  // I think I'm getting the hang of island life.
    R(30012, false, 14, -1, NONE, NONE, NONE, 0),  // I miss having a proper chair.
    R(30014, false, 14, -1, SMILE, NONE, NONE, 0),  // Nothing like a sunset over the sea.
    R(30016, false, 14, -1, NONE, NONE, NONE, 0),  // Who decided coconuts should be so hard to open?
    R(30018, true, 14, -1, NONE, NONE, NONE, 0),  // I once dreamt I could talk to crabs. They were very rude.
    R(30020, false, 14, -1, NONE, NONE, NONE, 0),  // I wonder what's on the other side of the sea.
    R(30022, false, 14, -1, SMILE, NEUTRAL, NONE, 0),  // A good day's work makes a good night's sleep.
    R(30024, false, 14, -1, NONE, NONE, NONE, 0),  // I should write all this down one day.
    R(30026, false, 14, -1, NONE, NONE, NONE, 0),  // Do the others snore as loudly as I do?
    R(30028, true, 14, -1, SURPRISED, NONE, NONE, 0),  // I'm sure that palm tree just winked at me.
    R(30030, false, 14, -1, SMILE, NONE, NONE, 0),  // It's not a bad little island, all things considered.
    R(30032, false, 14, -1, NONE, NONE, NONE, 0),  // If I had a boat, where would I go? Nowhere. I like it here.
    R(30034, false, 14, -1, NONE, NONE, NONE, 0),  // I wonder if the gulls have names for us.
    R(30036, false, 14, -1, FROWN, NONE, NONE, 0),  // Sand. Everywhere. Always.
    R(30038, false, 14, -1, NONE, NONE, NONE, 0),  // Somebody ought to build a bigger fire.
    R(30040, false, 14, -1, NONE, NONE, NONE, 0),  // I've got a good feeling about today.
    R(30042, true, 14, -1, NONE, NONE, NONE, 0),  // Maybe the fish are farming us.
    R(30044, false, 14, -1, SMILE, NEUTRAL, NONE, 0),  // I do like the sound of the waves.
    R(30046, false, 14, -1, NONE, NONE, NONE, 0),  // I need a new hobby. Stone stacking, perhaps.
    R(30048, false, 14, -1, NONE, NONE, NONE, 0),  // Is it just me, or are the days getting shorter?
    R(30050, false, 14, -1, WORRIED, SURPRISED, NONE, 0),  // I hope the young ones are all right.
    R(30052, false, 14, -1, NONE, NONE, NONE, 0),  // When I was young, we didn't have all these huts.
    R(30054, false, 14, -1, NONE, NONE, NONE, 0),  // I could teach the children a thing or two.
    R(30056, true, 14, -1, SURPRISED, NONE, NONE, 0),  // I think I just heard a tree sneeze.
    R(30058, false, 14, -1, NONE, NONE, NONE, 0),  // A little hut by the sea. That's all I ever wanted.
    R(30060, false, 14, -1, SMILE, NONE, NONE, 0),  // We've come a long way since we landed.
    R(30062, false, 14, -1, NONE, NONE, NONE, 0),  // What I wouldn't give for a pair of proper shoes.
    R(30064, false, 14, -1, FROWN, NEUTRAL, NONE, 0),  // My hair gets everywhere in this wind.
    R(30066, false, 14, -1, NONE, NONE, NONE, 0),  // Being grown-up is mostly carrying things.
    R(30068, false, 14, -1, SURPRISED, NONE, NONE, 0),  // I wonder who left that crate on the beach.
    R(30070, true, 14, -1, NONE, NONE, NONE, 0),  // If I stand very still, maybe the crabs will think I'm a rock.
    R(30072, false, 14, -1, NONE, NONE, NONE, 0),  // The stars here are brighter than anywhere.
    R(30074, false, 14, -1, NONE, NONE, NONE, 0),  // I'm a lucky man, really.
    R(30076, false, 14, -1, SMILE, NEUTRAL, NONE, 0),  // Fresh air, fresh fish, good friends.
    R(30078, false, 14, -1, NONE, NONE, NONE, 0),  // Do I look taller today? I feel taller.
    R(30080, false, 14, -1, ANGRY, NONE, NONE, 0),  // Someone has been using my favourite rock.
    R(30082, true, 14, -1, NONE, NONE, NONE, 0),  // I've decided the moon is made of coconut.
    R(30084, false, 14, -1, NONE, NONE, NONE, 0),  // This island needs a name. A proper one.
    R(30086, false, 14, -1, NONE, NONE, NONE, 0),  // I think I'll take the long way round today.
    R(30088, false, 14, -1, WORRIED, NONE, NONE, 0),  // I hope we've got enough food for the winter. Do we have winters?
    R(30090, false, 14, -1, SMILE, NONE, NONE, 0),  // Everyone seems so cheerful today.
    R(30092, false, 14, -1, NONE, NONE, NONE, 0),  // I must remember to fix that roof.
    R(30094, false, 14, -1, NONE, NONE, NONE, 0),  // The young ones grow up so fast.
    R(30096, true, 14, -1, NONE, NONE, NONE, 0),  // I taught a gull to sit. Then it flew away.
    R(30098, false, 14, -1, NONE, NONE, NONE, 0),  // I could do with a holiday. From my holiday.
    R(30100, false, 14, -1, SMILE, NEUTRAL, NONE, 0),  // I like it when we all eat together.
    R(30102, false, 14, -1, NONE, NONE, NONE, 0),  // Life is simple here. I like simple.
    R(30104, false, 14, -1, NONE, NONE, NONE, 0),  // Where does the tide go when it goes out?
    R(30106, true, 14, -1, SURPRISED, NONE, NONE, 0),  // Did that coconut just move on its own?
    R(30108, false, 14, -1, NONE, NONE, NONE, 0),  // There's always something to do on an island.
    R(30110, false, 14, -1, NONE, NONE, NONE, 0),  // I'd like to build something that lasts.
    R(30112, false, 14, -1, FROWN, NONE, NONE, 0),  // My feet are sore. Very sore.
    R(30114, false, 14, -1, NONE, NONE, NONE, 0),  // I think it's going to be a good year.
    R(30116, false, 14, -1, NONE, NONE, NONE, 0),  // Who taught the birds to sing so early?
    R(30118, true, 14, -1, NONE, NONE, NONE, 0),  // I'm writing a song about sand. It's very gritty.
    R(30120, false, 14, -1, NONE, NONE, NONE, 0),  // A proper cup of tea. That's what I miss.
    R(30122, false, 14, -1, SMILE, NONE, NONE, 0),  // I'm proud of what we've built here.
    R(30124, false, 14, -1, NONE, NONE, NONE, 0),  // Note to self: never step on a sea urchin again.
    R(30126, false, 14, -1, NONE, NONE, NONE, 0),  // I think I'll have a wander and see what's new.
    R(30128, false, 14, -1, WORRIED, SURPRISED, ANGRY, 0),  // Somebody ate the last of the berries!
    R(30130, true, 14, -1, NONE, NONE, NONE, 0),  // What if the island is really a giant sleeping turtle?
    R(30132, false, 14, -1, NONE, NONE, NONE, 0),  // The fire keeps us all together.
    R(30134, false, 14, -1, NONE, NONE, NONE, 0),  // One day I'll climb the tallest tree on the island.
    R(30136, false, 14, -1, NEUTRAL, NONE, NONE, 0),  // Hmm. What was I going to do?
    R(30138, false, 14, -1, NONE, NONE, NONE, 0),  // I could use a friend to talk to.
    R(30140, false, 14, -1, SMILE, NONE, NONE, 0),  // The breeze is just right today.
    R(30142, true, 14, -1, NONE, NONE, NONE, 0),  // I've been practising my whistle. The birds are not impressed.
    R(30144, false, 14, -1, NONE, NONE, NONE, 0),  // We should have a feast one of these days.
    R(30146, false, 14, -1, NONE, NONE, NONE, 0),  // I wonder what the others think of me.
    R(30148, false, 14, -1, WORRIED, SURPRISED, NONE, 0),  // I hope nobody noticed me trip over that root.
    R(30150, false, 14, -1, NONE, NONE, NONE, 0),  // A little rest in the shade would be lovely.
    R(30152, false, 14, -1, NONE, NONE, NONE, 0),  // I'm getting good at telling the weather.
    R(30154, true, 14, -1, NONE, NONE, NONE, 0),  // I bet I could juggle three coconuts. Maybe two.
    R(30156, false, 14, -1, SMILE, NEUTRAL, NONE, 0),  // This is the life.
    R(30158, false, 14, -1, NONE, NONE, NONE, 0),  // Back home they'd never believe how we live now.
    R(30160, false, 14, -1, FROWN, NONE, NONE, 0),  // Why is there always a pebble in my sandal?
    R(30162, false, 14, -1, NONE, NONE, NONE, 0),  // The island looks different from the hill.
    R(30164, false, 14, -1, NONE, NONE, NONE, 0),  // I should learn to make something new.
    R(30166, true, 14, -1, NONE, NONE, NONE, 0),  // I think that crab has been following me.
    R(30168, false, 14, -1, NONE, NONE, NONE, 0),  // Nothing beats a warm evening by the fire.
    R(30170, false, 14, -1, NONE, NONE, NONE, 0),  // Maybe I'll plant a tree. For the future.
    R(30172, false, 14, -1, NEUTRAL, NONE, NONE, 0),  // I've forgotten what day it is. Does it matter?
    R(30174, false, 14, -1, NONE, NONE, NONE, 0),  // I'm a very patient man. Mostly.
    R(30176, true, 14, -1, NONE, NONE, NONE, 0),  // If I had wings I'd fly around the island twice a day.
    R(30178, false, 14, -1, NONE, NONE, NONE, 0),  // It's the little things, really.
    R(30180, false, 14, -1, SURPRISED, NONE, NONE, 0),  // Was that a shooting star?
    R(30182, false, 14, -1, NONE, NONE, NONE, 0),  // Someone should teach the kids to fish.
    R(30184, false, 14, -1, NONE, NONE, NONE, 0),  // I'd like to see a ship on the horizon one day.
    R(30186, false, 14, -1, SMILE, NEUTRAL, NONE, 0),  // Today I will be kind to everyone. Even the gulls.
    R(30188, true, 14, -1, NONE, NONE, NONE, 0),  // I've named every palm tree. The tall one is Gerald.
    R(30190, false, 14, -1, NONE, NONE, NONE, 0),  // A full belly and a dry hut. What more could anyone want?
    R(30192, false, 14, -1, WORRIED, SURPRISED, NONE, 0),  // Did I leave the fire burning?
    R(30194, false, 14, -1, NONE, NONE, NONE, 0),  // I think the island likes us.
    R(30196, false, 14, -1, NONE, NONE, NONE, 0),  // My muscles have muscles now.
    R(30198, true, 14, -1, NONE, NONE, NONE, 0),  // Perhaps the stars are just the sky's freckles.
    R(30200, false, 14, -1, NONE, NONE, NONE, 0),  // I feel like singing!
    R(30202, false, 14, -1, NONE, NONE, NONE, 0),  // I've never been so brown in my life.
    R(30204, false, 14, -1, NONE, NONE, NONE, 0),  // We should build a lookout tower. For looking out.
    R(30206, false, 14, -1, WORRIED, SURPRISED, ANGRY, 0),  // That gull stole my lunch right out of my hand!
    R(30208, true, 14, -1, NONE, NONE, NONE, 0),  // I had a dream where the fish did all the work.
    R(30210, false, 14, -1, NONE, NONE, NONE, 0),  // Time for a stretch. Ooh, that's better.
    R(30212, false, 14, -1, SMILE, NEUTRAL, NONE, 0),  // The island is full of surprises.
    R(30214, false, 14, -1, NONE, NONE, NONE, 0),  // I hope I'm remembered as a good man.
    R(30216, false, 14, -1, NONE, NONE, NONE, 0),  // Someone ought to count how many of us there are.
    R(30218, true, 14, -1, NONE, NONE, NONE, 0),  // I tried talking to a tree. It didn't answer. Rude.
    R(30220, false, 14, -1, NONE, NONE, NONE, 0),  // The fire crackles so nicely at night.
    R(30222, false, 14, -1, FROWN, NONE, NONE, 0),  // Who keeps leaving fish bones on the path?
    R(30224, false, 14, -1, NONE, NONE, NONE, 0),  // I've got sand in places I'd rather not mention.
    R(30226, true, 14, -1, NONE, NONE, NONE, 0),  // I'm sure the moon is closer here.
    R(30228, false, 14, -1, NONE, NONE, NONE, 0),  // The waves never stop, do they?
    R(30230, false, 14, -1, NONE, NONE, NONE, 0),  // What a lovely bunch of people we are.
    R(30232, false, 14, -1, NONE, NONE, NONE, 0),  // I'll tidy up later. Much later.
    R(30234, true, 14, -1, NONE, NONE, NONE, 0),  // Maybe coconuts are just shy fruit.
    R(30236, false, 14, -1, NONE, NONE, NONE, 0),  // Working together makes everything easier.
    R(30238, false, 14, -1, NEUTRAL, NONE, NONE, 0),  // I should really get on with something.
    R(30240, false, 14, -1, NONE, NONE, NONE, 0),  // I wonder if there are other islands like ours.
    R(30242, true, 14, -1, NONE, NONE, NONE, 0),  // If I close my eyes, I can hear the island breathing.
    R(30244, false, 14, -1, SMILE, NEUTRAL, NONE, 0),  // Good morning, world!
    R(30246, false, 14, -1, NONE, NONE, NONE, 0),  // The trees grow back faster than I thought.
    R(30248, false, -1, 14, SMILE, NONE, NONE, 0),  // Can I go and play now?
    R(30250, false, -1, 14, NONE, NONE, NONE, 0),  // I'm going to be the strongest person on the island when I grow up.
    R(30252, false, -1, 14, NONE, NONE, NONE, 0),  // Why is the sea salty? Who put the salt there?
    R(30254, false, -1, 14, SMILE, NONE, NONE, 0),  // I found a really good stick!
    R(30256, true, -1, 14, NONE, NONE, NONE, 0),  // I'm a pirate! Arr!
    R(30258, false, -1, 14, NONE, NONE, NONE, 0),  // Grown-ups are always so busy.
    R(30260, false, -1, 14, NONE, NONE, NONE, 0),  // I bet I can run faster than a crab.
    R(30262, false, -1, 14, SURPRISED, NONE, NONE, 0),  // I saw a big fish! It was THIS big!
    R(30264, false, -1, 14, NONE, NONE, NONE, 0),  // Why can't I stay up late?
    R(30266, false, -1, 14, NONE, NONE, NONE, 0),  // I'm not tired. Not even a little bit.
    R(30268, false, -1, 14, SMILE, NEUTRAL, NONE, 0),  // Sandcastles are the best.
    R(30270, true, -1, 14, NONE, NONE, NONE, 0),  // If I dig deep enough, will I reach the other side?
    R(30272, false, -1, 14, NONE, NONE, NONE, 0),  // Why do birds get to fly and I don't?
    R(30274, false, -1, 14, NONE, NONE, NONE, 0),  // When I grow up, I'll build the biggest hut ever.
    R(30276, false, -1, 14, FROWN, NONE, NONE, 0),  // It's not fair. I want to help too.
    R(30278, false, -1, 14, NONE, NONE, NONE, 0),  // Hide and seek! Nobody will find me here.
    R(30280, false, -1, 14, NONE, NONE, NONE, 0),  // I'm going to collect every shell on the beach.
    R(30282, true, -1, 14, NONE, NONE, NONE, 0),  // I think I saw a mermaid. Well, it had a tail.
    R(30284, false, -1, 14, SMILE, NONE, NONE, 0),  // Splashing in puddles is my favourite thing.
    R(30286, false, -1, 14, NONE, NONE, NONE, 0),  // How many stars are there? I'm going to count them.
    R(30288, false, -1, 14, NONE, NONE, NONE, 0),  // Are we there yet? Oh wait, we live here.
    R(30290, false, -1, 14, WORRIED, SURPRISED, ANGRY, 0),  // A crab pinched me! Well, nearly.
    R(30292, false, -1, 14, NONE, NONE, NONE, 0),  // I want a pet crab.
    R(30294, false, -1, 14, NONE, NONE, NONE, 0),  // When's dinner? Is it soon? Is it now?
    R(30296, true, -1, 14, NONE, NONE, NONE, 0),  // The clouds look like a big fluffy dog.
    R(30298, false, -1, 14, NONE, NONE, NONE, 0),  // I'm the king of this rock!
    R(30300, false, -1, 14, SMILE, NEUTRAL, NONE, 0),  // I made a new friend. It's a snail.
    R(30302, false, -1, 14, NONE, NONE, NONE, 0),  // Why does the sun go to sleep?
    R(30304, false, -1, 14, NONE, NONE, NONE, 0),  // I can do a cartwheel. Almost.
    R(30306, true, -1, 14, NONE, NONE, NONE, 0),  // I'm going to train the gulls to carry me.
    R(30308, false, -1, 14, SMILE, NONE, NONE, 0),  // Running on the sand makes my feet tickle.
    R(30310, false, -1, 14, NONE, NONE, NONE, 0),  // I'm not scared of the dark. Much.
    R(30312, false, -1, 14, NONE, NONE, NONE, 0),  // Grown-ups are funny.
    R(30314, false, -1, 14, FROWN, NONE, NONE, 0),  // I don't want to wash behind my ears.
    R(30316, false, -1, 14, NONE, NONE, NONE, 0),  // I want to see what's inside a coconut.
    R(30318, true, -1, 14, NONE, NONE, NONE, 0),  // Maybe the trees talk to each other at night.
    R(30320, false, -1, 14, NONE, NONE, NONE, 0),  // Tag! You're it!
    R(30322, false, -1, 14, SURPRISED, NONE, NONE, 0),  // Is that a butterfly? It's so pretty!
    R(30324, false, -1, 14, NONE, NONE, NONE, 0),  // I'm going to climb that tree. Tomorrow.
    R(30326, false, -1, 14, NONE, NONE, NONE, 0),  // Why do grown-ups like sitting down so much?
    R(30328, false, -1, 14, SMILE, NEUTRAL, NONE, 0),  // I love stories by the fire.
    R(30330, true, -1, 14, NONE, NONE, NONE, 0),  // What if I'm secretly a fish?
    R(30332, false, -1, 14, NONE, NONE, NONE, 0),  // I'm bored. What can I do?
    R(30334, false, -1, 14, SMILE, NONE, NONE, 0),  // Look at me! I'm a bird!
    R(30336, false, -1, 14, NONE, NONE, NONE, 0),  // I wonder what the fish have for dinner.
    R(30338, false, -1, 14, NONE, NONE, NONE, 0),  // I can hold a whole crab. If it's a small one.
    R(30340, false, -1, 14, ANGRY, NONE, NONE, 0),  // That's my shell! I saw it first!
    R(30342, true, -1, 14, NONE, NONE, NONE, 0),  // I'm going to build a raft and sail to the moon.
    R(30344, false, -1, 14, NONE, NONE, NONE, 0),  // Are bugs ticklish?
    R(30346, false, -1, 14, NONE, NONE, NONE, 0),  // I got sand in my ears again.
    R(30348, false, -1, 14, SURPRISED, NONE, NONE, 0),  // Wow! A rainbow!
    R(30350, false, -1, 14, NONE, NONE, NONE, 0),  // I'm nearly as tall as a grown-up. Nearly.
    R(30352, false, -1, 14, NONE, NONE, NONE, 0),  // Shells make the best necklaces.
    R(30354, true, -1, 14, NONE, NONE, NONE, 0),  // If I sneeze hard enough, maybe I'll fly.
    R(30356, false, -1, 14, SMILE, NEUTRAL, NONE, 0),  // I like it when everyone is happy.
    R(30358, false, -1, 14, NONE, NONE, NONE, 0),  // Why can't we have pudding every day?
    R(30360, false, -1, 14, NONE, NONE, NONE, 0),  // I want to help chop wood. I'm very strong.
    R(30362, false, -1, 14, FROWN, NONE, NONE, 0),  // Nobody wants to play with me.
    R(30364, false, -1, 14, NONE, NONE, NONE, 0),  // I can whistle! Listen! Pfff. Almost.
    R(30366, true, -1, 14, NONE, NONE, NONE, 0),  // I think there's treasure buried somewhere here.
    R(30368, false, -1, 14, NONE, NONE, NONE, 0),  // The big waves are the most fun.
    R(30370, false, -1, 14, SMILE, NONE, NONE, 0),  // I'm the fastest runner in the whole island!
    R(30372, false, -1, 14, NONE, NONE, NONE, 0),  // Where do baby crabs come from?
    R(30374, false, -1, 14, NONE, NONE, NONE, 0),  // Can I have a go? Please? Please?
    R(30376, false, -1, 14, WORRIED, SURPRISED, ANGRY, 0),  // Something moved in the bushes!
    R(30378, true, -1, 14, NONE, NONE, NONE, 0),  // The moon follows me wherever I go.
    R(30380, false, -1, 14, NONE, NONE, NONE, 0),  // I'm going to be a fisher when I'm big.
    R(30382, false, -1, 14, NONE, NONE, NONE, 0),  // Shh! I'm sneaking up on a gull.
    R(30384, false, -1, 14, SMILE, NEUTRAL, NONE, 0),  // Today is the best day ever!
    R(30386, false, -1, 14, NONE, NONE, NONE, 0),  // I don't like vegetables. Except the orange ones.
    R(30388, false, -1, 14, NONE, NONE, NONE, 0),  // Why is the sky blue and not green?
    R(30390, true, -1, 14, NONE, NONE, NONE, 0),  // I can talk to the birds. They just don't answer.
    R(30392, false, -1, 14, NONE, NONE, NONE, 0),  // I made a face in the sand. It looks like you!
    R(30394, false, -1, 14, SMILE, NONE, NONE, 0),  // I love this island!
    R(30396, false, -1, -1, NONE, NONE, NONE, 0),  // Hello, sunshine!
    R(30398, false, -1, -1, NONE, NONE, NONE, 0),  // What a lovely breeze.
    R(30400, false, -1, -1, SMILE, NEUTRAL, NONE, 0),  // I feel good today.
    R(30402, false, -1, -1, NONE, NONE, NONE, 0),  // The sea is so blue today.
    R(30404, true, -1, -1, SURPRISED, NONE, NONE, 0),  // I'm sure that rock wasn't there yesterday.
    R(30406, false, -1, -1, NONE, NONE, NONE, 0),  // Listen to the birds!
    R(30408, false, -1, -1, NONE, NONE, NONE, 0),  // Life is good.
    R(30410, false, -1, -1, NONE, NONE, NONE, 0),  // I wonder what's for dinner.
    R(30412, false, -1, -1, NONE, NONE, NONE, 0),  // Hmm, hmm, hmm... what a nice tune.
    R(30414, true, -1, -1, NONE, NONE, NONE, 0),  // I think the clouds are following me.
    R(30416, false, -1, -1, NEUTRAL, NONE, NONE, 0),  // La la la...
    R(30418, false, -1, -1, NONE, NONE, NONE, 0),  // Everything is peaceful today.
    R(30420, false, -1, -1, SURPRISED, NONE, NONE, 0),  // Ooh, a butterfly!
    R(30422, false, -1, -1, NONE, NONE, NONE, 0),  // I like the feel of warm sand.
    R(30424, true, -1, -1, NONE, NONE, NONE, 0),  // Maybe I'll learn to whistle with a leaf.
    R(30426, false, -1, -1, SMILE, NEUTRAL, NONE, 0),  // The sun feels lovely on my face.
    R(30428, false, -1, -1, NONE, NONE, NONE, 0),  // What a view!
    R(30430, false, -1, -1, NONE, NONE, NONE, 0),  // I could lie here all day.
    R(30432, true, -1, -1, NONE, NONE, NONE, 0),  // Did that fish just wave at me?
    R(30434, false, -1, -1, NONE, NONE, NONE, 0),  // Everything smells of flowers.
    R(30436, false, -1, -1, NONE, NONE, NONE, 0),  // I wonder where the wind comes from.
    R(30438, false, -1, -1, NONE, NONE, NONE, 0),  // Hello, little crab.
    R(30440, false, -1, -1, NEUTRAL, NONE, NONE, 0),  // Hmm...
    R(30442, true, -1, -1, NONE, NONE, NONE, 0),  // If I were a bird, I'd build my nest right there.
    R(30444, false, -1, -1, WORRIED, SURPRISED, ANGRY, 0),  // What was that noise?
    R(30446, false, -1, -1, NONE, NONE, NONE, 0),  // The island feels like home now.
    R(30448, false, -1, -1, NONE, NONE, NONE, 0),  // Lovely day for a walk.
    R(30450, false, -1, -1, NONE, NONE, NONE, 0),  // I wonder what time it is.
    R(30452, true, -1, -1, NONE, NONE, NONE, 0),  // I'm counting the waves. I've lost count.
    R(30454, false, -1, -1, NONE, NONE, NONE, 0),  // The flowers are so bright today.
    R(30456, false, -1, -1, SMILE, NEUTRAL, NONE, 0),  // Just taking it easy.
    R(30458, false, -1, -1, SURPRISED, NONE, NONE, 0),  // Where did that butterfly go?
    R(30460, true, -1, -1, NONE, NONE, NONE, 0),  // Maybe the moon is a big round cheese.
    R(30462, false, -1, -1, FROWN, NONE, NONE, 0),  // Achoo! Sand up my nose.
    R(30464, false, -1, -1, NONE, NONE, NONE, 0),  // I love the sound of the sea.
    R(30466, false, -1, -1, NONE, NONE, NONE, 0),  // Everyone's being so nice today.
    R(30468, true, -1, -1, NONE, NONE, NONE, 0),  // I think the island is smiling at me.
    R(30470, false, -1, -1, NONE, NONE, NONE, 0),  // What a pretty shell.
    R(30472, false, -1, -1, SURPRISED, NONE, NONE, 0),  // Look at the size of that wave!
    R(30474, false, -1, -1, NONE, NONE, NONE, 0),  // It's quiet today.
    R(30476, true, -1, -1, NONE, NONE, NONE, 0),  // I've got a funny feeling something good is going to happen.
    R(30478, false, -1, -1, SMILE, NEUTRAL, NONE, 0),  // Mmm, the air smells fresh.
    R(30480, false, -1, -1, NONE, NONE, NONE, 0),  // I like watching the gulls.
    R(30482, false, -1, -1, NONE, NONE, NONE, 0),  // The palm trees are dancing in the wind.
    R(30484, false, -1, -1, NONE, NONE, NONE, 0),  // The food store is nice and full. That's a comfort.
    R(30486, false, -1, -1, NONE, NONE, NONE, 0),  // With all that food in store, nobody goes hungry tonight.
    R(30488, true, -1, -1, NONE, NONE, NONE, 0),  // I wonder if fish get thirsty.
    R(30490, false, -1, -1, WORRIED, SURPRISED, NONE, 0),  // Did I forget something?
    R(30492, false, -1, -1, NONE, NONE, NONE, 0),  // Tra la la.
    R(30494, false, -1, -1, NONE, NONE, NONE, 0),  // I feel like smiling.
    R(30496, true, -1, -1, NONE, NONE, NONE, 0),  // Maybe I'll find a pearl today.
    R(30498, false, -1, -1, NONE, NONE, NONE, 0),  // The clouds are in a hurry today.
    R(30500, false, -1, -1, NONE, NONE, NONE, 0),  // Hello, island!
    R(30502, false, -1, -1, SURPRISED, NONE, NONE, 0),  // A shooting star! Make a wish!
    R(30504, true, -1, -1, NONE, NONE, NONE, 0),  // I'm sure I heard the trees giggle.
    R(30506, false, -1, -1, NONE, NONE, NONE, 0),  // The ground is warm under my feet.
    R(30508, false, -1, -1, SMILE, NEUTRAL, NONE, 0),  // Nothing to worry about today.
    R(30510, false, -1, -1, NONE, NONE, NONE, 0),  // What a busy little island this is.
    R(30512, true, -1, -1, NONE, NONE, NONE, 0),  // If I were a fish, I'd never come out of the water.
    R(30514, false, -1, -1, NONE, NONE, NONE, 0),  // I'll just stand here for a bit.
    R(30516, false, -1, -1, NONE, NONE, NONE, 0),  // There's a lovely smell coming from somewhere.
    R(30518, false, -1, -1, NONE, NONE, NONE, 0),  // Ha! That gull looks funny.
    R(30520, true, -1, -1, NONE, NONE, NONE, 0),  // What do crabs dream about?
    R(30522, false, -1, -1, NONE, NONE, NONE, 0),  // The trees are taller than I remembered.
    R(30524, false, -1, -1, SURPRISED, NONE, NONE, 0),  // Oh! A ladybird!
    R(30526, false, -1, -1, NONE, NONE, NONE, 0),  // It's a good day for a good day.
    R(30528, true, -1, -1, NONE, NONE, NONE, 0),  // I tried to catch the wind. It got away.
    R(30530, false, -1, -1, NONE, NONE, NONE, 0),  // I'm in a very good mood.
    R(30532, false, -1, -1, NONE, NONE, NONE, 0),  // I like it here.
    R(30534, false, -1, -1, NONE, NONE, NONE, 0),  // The sand sparkles in the sun.
    R(30536, true, -1, -1, NONE, NONE, NONE, 0),  // I wonder if the sea ever gets tired.
    R(30538, false, -1, -1, WORRIED, SURPRISED, NONE, 0),  // Is that a cloud coming?
    R(30540, false, -1, -1, NONE, NONE, NONE, 0),  // All is well on the island.
    R(30542, false, -1, -1, NONE, NONE, NONE, 0),  // Wheee!
    R(30544, false, 10, -1, NONE, NONE, NONE, 0),  // I should pop over to the science station and see what's brewing.
    R(30546, false, -1, -1, NONE, NONE, NONE, 0),  // Maybe I'm the luckiest person in the world.
    R(30548, false, 8, -1, NONE, NONE, NONE, 0),  // I wonder what else this island is hiding from us.
    R(30550, false, -1, -1, NONE, NONE, NONE, 0),  // The waves say shhh, shhh.
    R(30552, false, -1, -1, SURPRISED, NONE, NONE, 0),  // Is that smoke? Oh, it's the fire.
    R(30554, false, -1, -1, NONE, NONE, NONE, 0),  // I'll just have a little look around.
    R(30556, false, -1, -1, NONE, NONE, NONE, 0),  // I think that butterfly likes me.
    R(30558, false, -1, -1, NONE, NONE, NONE, 0),  // What a wonderful place.
    R(30560, false, -1, -1, NONE, NONE, NONE, 0),  // The island hums in the heat.
    R(30562, false, -1, -1, NONE, NONE, NONE, 0),  // Ouch. Stubbed my toe.
    R(30564, false, -1, -1, NONE, NONE, NONE, 0),  // Sometimes I wonder if I'm dreaming all this.
    R(30566, false, -1, -1, NONE, NONE, NONE, 0),  // Hello, sky!
    R(30568, false, -1, -1, NONE, NONE, NONE, 0),  // Today feels special.
    R(30570, false, 10, -1, NONE, NONE, NONE, 0),  // I wonder what I'll be good at.
    R(30572, false, 10, -1, SMILE, NONE, NONE, 0),  // I'm old enough to help now.
    R(30574, false, 10, -1, NONE, NONE, NONE, 0),  // Nobody listens to me. Well, hardly anyone.
    R(30576, true, 10, -1, NONE, NONE, NONE, 0),  // I'm going to invent something amazing one day.
    R(30578, false, 10, -1, SMILE, NEUTRAL, NONE, 0),  // Learning new things is fun.
    R(30580, false, -1, -1, NONE, NONE, NONE, 14),  // A gentle rain. The plants will love this.
    R(30582, false, -1, -1, NONE, NONE, NONE, 2),  // Rain again! Good thing I don't mind being wet.
    R(30584, false, -1, -1, NONE, NONE, NONE, 2),  // Pitter, patter, pitter, patter...
    R(30586, false, -1, -1, NONE, NONE, NONE, 2),  // I can smell the rain on the sand.
    R(30588, false, -1, -1, NONE, NONE, NONE, 2),  // Where did all these clouds come from?
    R(30590, false, -1, -1, NEUTRAL, NONE, NONE, 2),  // At least I don't have to fetch water today.
    R(30592, false, -1, -1, NONE, NONE, NONE, 2),  // I should have stayed under a palm tree.
    R(30594, false, -1, -1, SURPRISED, NONE, NONE, 2),  // Brr! That one went right down my neck.
    R(30596, false, -1, -1, NONE, NONE, NONE, 2),  // The sea is getting wet from above and below.
    R(30598, false, -1, -1, NONE, NONE, NONE, 2),  // The puddles are getting bigger and bigger.
    R(30600, false, -1, -1, NONE, NONE, NONE, 2),  // Rain makes me sleepy.
    R(30602, false, 10, -1, NONE, NONE, NONE, 0),  // I could build a better hut than that.
    R(30604, false, 10, -1, NONE, NONE, NONE, 0),  // Why does everybody tell me what to do?
    R(30606, false, 10, -1, SURPRISED, NONE, NONE, 0),  // I think I just worked something out!
    R(30608, true, 10, -1, NONE, NONE, NONE, 0),  // Maybe I'll sail away and find a new island.
    R(30610, false, 10, -1, NONE, NONE, NONE, 0),  // I'm stronger than I look.
    R(30612, false, 10, -1, FROWN, NONE, NONE, 0),  // That's so embarrassing.
    R(30614, false, 10, -1, NONE, NONE, NONE, 0),  // I want to try everything at least once.
    R(30616, true, 10, -1, NONE, NONE, NONE, 0),  // One day they'll name a tree after me.
    R(30618, false, 10, -1, SMILE, NONE, NONE, 0),  // I'm getting better at this island stuff.
    R(30620, false, 10, -1, NONE, NONE, NONE, 0),  // There's so much I don't know yet.
    R(30622, false, 10, -1, NONE, NONE, NONE, 0),  // I'd like to know how the potions work.
    R(30624, false, 10, -1, WORRIED, SURPRISED, NONE, 0),  // What if I'm not good at anything?
    R(30626, true, 10, -1, NONE, NONE, NONE, 0),  // I've decided I'm going to be famous.
    R(30628, false, 10, -1, NONE, NONE, NONE, 0),  // I'd like a hut of my own one day.
    R(30630, false, 10, -1, SMILE, NEUTRAL, NONE, 0),  // Today I learned something new.
    R(30632, false, 10, -1, NONE, NONE, NONE, 0),  // The grown-ups don't know everything. I think.
    R(30634, true, 10, -1, NONE, NONE, NONE, 0),  // What's the point of seaweed, really?
    R(30636, false, 10, -1, NONE, NONE, NONE, 0),  // I'm nearly grown up now. Nearly.
    R(30638, false, 10, -1, SURPRISED, NONE, NONE, 0),  // Hey, I never noticed that before!
    R(30640, false, 10, -1, NONE, NONE, NONE, 0),  // I should practise more.
    R(30642, true, 10, -1, NONE, NONE, NONE, 0),  // Maybe numbers go on for ever.
    R(30644, false, 10, -1, NONE, NONE, NONE, 0),  // I wonder how far the stars are.
    R(30646, false, 10, -1, SMILE, NONE, NONE, 0),  // I feel like I could do anything today.
    R(30648, false, 10, -1, NONE, NONE, NONE, 0),  // Somebody should make a map of the island.
    R(30650, true, 10, -1, NONE, NONE, NONE, 0),  // If I think really hard, maybe I can move that pebble.
    R(30652, false, 10, -1, NONE, NONE, NONE, 0),  // I've got a plan. It's a good plan.
    R(30654, false, 10, -1, NEUTRAL, NONE, NONE, 0),  // Think, think, think...
    R(30656, false, 10, -1, NONE, NONE, NONE, 0),  // What makes the tide come in?
    R(30658, true, 10, -1, NONE, NONE, NONE, 0),  // I bet the crabs have a king.
    R(30660, false, 10, -1, SMILE, NEUTRAL, NONE, 0),  // I like figuring things out.
    R(30662, false, 10, -1, NONE, NONE, NONE, 0),  // Why do the old ones sleep so much?
    R(30664, false, 10, -1, NONE, NONE, NONE, 0),  // I'm going to remember today.
    R(30666, true, 10, -1, NONE, NONE, NONE, 0),  // Maybe I'll write the island's first book.
    R(30668, false, 10, -1, FROWN, NONE, NONE, 0),  // Nobody takes me seriously.
    R(30670, false, 10, -1, NONE, NONE, NONE, 0),  // I want to see the whole island from the top of the hill.
    R(30672, false, 10, -1, SMILE, NONE, NONE, 0),  // Big plans, big plans!
    R(30674, false, 18, -1, SMILE, NEUTRAL, NONE, 0),  // It's nice to have people to look after.
    R(30676, false, 18, -1, NONE, NONE, NONE, 0),  // Running a household is hard work.
    R(30678, true, 18, -1, NONE, NONE, NONE, 0),  // Some days I feel like the only grown-up on the island.
    R(30680, false, 18, -1, NONE, NONE, NONE, 0),  // I remember when I was just a kid here.
    R(30682, false, 18, -1, WORRIED, SURPRISED, NONE, 0),  // I worry about the little ones sometimes.
    R(30684, false, 18, -1, NONE, NONE, NONE, 0),  // Responsibility. That's the word.
    R(30686, false, 18, -1, SMILE, NONE, NONE, 0),  // I'm good at being grown-up.
    R(30688, false, 18, -1, NONE, NONE, NONE, 0),  // I must set a good example.
    R(30690, true, 18, -1, NONE, NONE, NONE, 0),  // When did I get so sensible?
    R(30692, false, 18, -1, NONE, NONE, NONE, 0),  // I'd like to leave the island better than I found it.
    R(30694, false, 8, -1, NONE, NONE, NONE, 0),  // I can help! I'm big enough now.
    R(30696, false, 8, -1, SMILE, NONE, NONE, 0),  // I can almost lift a whole log.
    R(30698, true, 8, -1, NONE, NONE, NONE, 0),  // I'm going to be an inventor.
    R(30700, false, 8, -1, NONE, NONE, NONE, 0),  // Reading the clouds is easy once you know how.
    R(30702, false, 8, -1, SMILE, NEUTRAL, NONE, 0),  // I know lots of things now.
    R(30704, false, 8, -1, NONE, NONE, NONE, 0),  // I could carry a rock. A small one.
    R(30706, false, 8, -1, NONE, NONE, NONE, 0),  // I'm nearly as clever as the grown-ups.
    R(30708, false, 65, -1, SMILE, NEUTRAL, NONE, 0),  // I've seen a lot of sunsets in my time.
    R(30710, false, 65, -1, NONE, NONE, NONE, 0),  // My old bones creak like a rusty gate.
    R(30712, false, 65, -1, NONE, NONE, NONE, 0),  // In my day, we walked everywhere. We still do.
    R(30714, true, 65, -1, NONE, NONE, NONE, 0),  // I'm not old. I'm vintage.
    R(30716, false, 4, -1, SMILE, NONE, NONE, 0),  // I like it when the sun comes up.
    R(30718, false, 35, -1, NONE, NONE, NONE, 0),  // Where did the years go?
    R(30720, false, 35, -1, SMILE, NEUTRAL, NONE, 0),  // I'm getting wiser. And greyer.
    R(30722, false, 45, -1, NONE, NONE, NONE, 0),  // My knees are telling me it's going to rain.
    R(30724, true, 45, -1, NONE, NONE, NONE, 0),  // I'm not getting older, the island is getting younger.
    R(30726, false, 12, 15, FROWN, NONE, NONE, 0),  // Everything is so embarrassing at my age.
    R(30728, false, 12, 15, NONE, NONE, NONE, 0),  // I'm too old for games. Well, some games.
    R(30730, false, -1, 12, NONE, NONE, NONE, 0),  // When I'm twelve I'll be allowed to do everything.
    R(30732, false, 14, -1, SMILE, NONE, NONE, 1),  // Good honest work in the fresh air.
    R(30734, false, 14, -1, NONE, NONE, NONE, 1),  // My hands are getting tough as old bark.
    R(30736, false, 14, -1, SMILE, NEUTRAL, NONE, 1),  // Working outside beats sitting inside any day.
    R(30738, false, 14, -1, NONE, NONE, NONE, 1),  // I hope someone notices how hard I'm working.
    R(30740, false, -1, -1, SURPRISED, NONE, NONE, 2),  // Was that a raindrop on my nose?
    R(30742, false, -1, -1, FROWN, NONE, NONE, 2),  // My hair is going to be a mess after this.
    R(30744, false, -1, -1, NONE, NONE, NONE, 2),  // The rain is drumming on the leaves.
    R(30746, false, -1, -1, NONE, NONE, NONE, 2),  // I love the smell after the rain.
    R(30748, false, -1, -1, NONE, NONE, NONE, 2),  // Everything's dripping. Even me.
    R(30750, false, -1, -1, NEUTRAL, NONE, NONE, 2),  // Is the sky leaking again?
    R(30752, false, -1, -1, NONE, NONE, NONE, 2),  // The frogs must be having a party.
    R(30754, false, 14, -1, NONE, NONE, NONE, 16),  // Nobody needs me for anything today.
    R(30756, false, 14, -1, NONE, NONE, NONE, 16),  // I'd like a job. Any job.
    R(30758, false, 14, -1, NONE, NONE, NONE, 16),  // Wouldn't it be nice to be useful?
    R(30760, false, 14, -1, NONE, NONE, NONE, 16),  // I could chop wood, you know. If anyone asked.
    R(30762, false, 14, -1, NONE, NONE, NONE, 16),  // I'm good with rocks. Just saying.
    R(30764, false, 14, -1, NONE, NONE, NONE, 16),  // I could catch a fish or two, given the chance.
    R(30766, false, 14, -1, NONE, NONE, NONE, 16),  // I'm a born builder, and nobody lets me build.
    R(30768, false, 14, -1, NONE, NONE, NONE, 16),  // All this free time, and nothing to fill it with.
    R(30770, false, 14, -1, NONE, NONE, NONE, 16),  // I've counted every shell on this beach. Twice.
    R(30772, false, 14, -1, NONE, NONE, NONE, 16),  // Maybe someone will give me something to do soon.
    R(30774, false, 14, -1, NONE, NONE, NONE, 16),  // I'm not lazy. I'm just not allowed to work.
    R(30776, false, 14, -1, FROWN, NEUTRAL, NONE, 16),  // I'd even weed the garden if someone let me.
    R(30778, false, 14, -1, FROWN, NEUTRAL, NONE, 16),  // Why does everyone else get to work?
    R(30780, false, 14, -1, FROWN, NEUTRAL, NONE, 16),  // I'm so bored I could talk to a coconut.
    R(30782, false, 14, -1, FROWN, NEUTRAL, NONE, 16),  // I'm starting to feel a bit left out.
    R(30784, false, -1, -1, NONE, NONE, NONE, 2),  // If this keeps up we'll need a boat for the garden.
    R(30786, false, -1, -1, WORRIED, SURPRISED, NONE, 2),  // I hope the huts keep the rain out.
    R(30788, false, -1, -1, NONE, NONE, NONE, 2),  // Rain on the sea looks like a million tiny fish jumping.
    R(30790, false, -1, -1, SMILE, NONE, NONE, 2),  // Free bath!
    R(30792, false, -1, -1, FROWN, NEUTRAL, NONE, 2),  // My toes are soggy.
    R(30794, false, -1, -1, NONE, NONE, NONE, 2),  // There'll be a rainbow after this, I just know it.
    R(30796, false, -1, -1, NONE, NONE, NONE, 2),  // I'll dry out later. Probably.
    R(30798, false, -1, -1, NONE, NONE, NONE, 2),  // The sand is all squelchy.
    R(30800, false, -1, -1, NONE, NONE, NONE, 2),  // Even the gulls look grumpy in the rain.
    R(30802, false, -1, -1, SMILE, NONE, NONE, 2),  // I could dance in this rain!
    R(30804, false, -1, -1, WORRIED, SURPRISED, ANGRY, 2),  // The fire will never light in this weather.
    R(30806, false, -1, -1, WORRIED, SURPRISED, ANGRY, 3),  // That thunder made me jump!
    R(30808, false, -1, -1, WORRIED, SURPRISED, NONE, 3),  // I hope the lightning stays out at sea.
    R(30810, false, -1, -1, WORRIED, SURPRISED, ANGRY, 3),  // The sky is really cross today.
    R(30812, false, -1, -1, WORRIED, SURPRISED, NONE, 3),  // Was that thunder, or a very big drum?
    R(30814, false, -1, -1, WORRIED, SURPRISED, ANGRY, 3),  // I don't like it when the sky rumbles.
    R(30816, false, -1, -1, WORRIED, SURPRISED, NONE, 3),  // Count the seconds between the flash and the boom...
    R(30818, false, -1, -1, WORRIED, SURPRISED, ANGRY, 3),  // Stay away from the tall trees!
    R(30820, false, -1, -1, WORRIED, SURPRISED, NONE, 3),  // What a storm! The whole island is shaking.
    R(30822, false, -1, -1, WORRIED, SURPRISED, ANGRY, 3),  // I'd feel safer in a hut right now.
    R(30824, false, -1, -1, WORRIED, SURPRISED, NONE, 3),  // The sea looks angry tonight.
    R(30826, false, -1, -1, WORRIED, SURPRISED, ANGRY, 3),  // Whoever is up there, please stop shouting!
    R(30828, false, -1, -1, WORRIED, SURPRISED, NONE, 3),  // The wind is trying to steal my clothes.
    R(30830, false, -1, -1, WORRIED, SURPRISED, ANGRY, 3),  // I've never seen lightning so close.
    R(30832, false, -1, -1, WORRIED, SURPRISED, NONE, 3),  // Hold on to your hats!
    R(30834, false, -1, -1, WORRIED, SURPRISED, ANGRY, 3),  // Even the fish must be hiding.
    R(30836, false, -1, -1, WORRIED, SURPRISED, ANGRY, 3),  // The thunder sounds like a giant's tummy rumbling.
    R(30838, false, -1, -1, WORRIED, SURPRISED, ANGRY, 3),  // I hope the storm leaves the huts standing.
    R(30840, false, -1, -1, WORRIED, SURPRISED, NONE, 3),  // That flash lit up the whole beach!
    R(30842, false, -1, -1, WORRIED, SURPRISED, ANGRY, 3),  // Boom! My heart skipped a beat.
    R(30844, false, -1, -1, WORRIED, SURPRISED, ANGRY, 3),  // The storm will blow itself out soon. I hope.
    R(30846, false, -1, 14, WORRIED, SURPRISED, ANGRY, 3),  // I'm not scared of thunder. Not really.
    R(30848, false, -1, 14, WORRIED, SURPRISED, NONE, 3),  // Can I hide under somebody's arm?
    R(30850, false, -1, 14, WORRIED, SURPRISED, ANGRY, 3),  // The sky is growling at me!
    R(30852, false, 14, -1, NONE, NONE, NONE, 4),  // Work, work, work. And then more work.
    R(30854, false, 14, -1, SMILE, NONE, NONE, 4),  // I'm getting really good at this.
    R(30856, false, 14, -1, NONE, NONE, NONE, 4),  // A little break would be nice soon.
    R(30858, false, 14, -1, SMILE, NEUTRAL, NONE, 4),  // One more, then another one more.
    R(30860, false, 14, -1, NONE, NONE, NONE, 4),  // My back will be telling me about this tonight.
    R(30862, false, 14, -1, NONE, NONE, NONE, 4),  // I do like a job well done.
    R(30864, false, 14, -1, NEUTRAL, NONE, NONE, 4),  // Keep going. Nearly there.
    R(30866, false, 14, -1, NONE, NONE, NONE, 4),  // I wonder if anyone else works this hard.
    R(30868, false, 14, -1, SMILE, NONE, NONE, 4),  // The island is looking better every day.
    R(30870, false, 14, -1, NONE, NONE, NONE, 4),  // Hard work and a good meal: that's the life.
    R(30872, false, 14, -1, NONE, NONE, NONE, 5),  // Come on, little fishy, come to me.
    R(30874, false, 14, -1, SMILE, NONE, NONE, 5),  // I can feel a big one coming.
    R(30876, false, 14, -1, NONE, NONE, NONE, 5),  // Fishing is mostly waiting. I'm good at waiting.
    R(30878, false, 14, -1, NONE, NONE, NONE, 5),  // The fish are laughing at me, I'm sure of it.
    R(30880, false, 14, -1, SURPRISED, NONE, NONE, 5),  // Was that a nibble?
    R(30882, false, 14, -1, NONE, NONE, NONE, 5),  // The sea is full of supper.
    R(30884, false, 14, -1, NONE, NONE, NONE, 5),  // I'll name the next fish I catch. Then eat it.
    R(30886, false, 14, -1, NONE, NONE, NONE, 5),  // Patience. Patience. Oh, I give up. No, wait!
    R(30888, false, 14, -1, SMILE, NEUTRAL, NONE, 5),  // Nothing beats fresh fish for dinner.
    R(30890, false, 14, -1, NONE, NONE, NONE, 5),  // The water is lovely and cool on my feet.
    R(30892, false, 14, -1, NONE, NONE, NONE, 5),  // I once caught a fish this big. Well, nearly.
    R(30894, false, 14, -1, NONE, NONE, NONE, 6),  // This rock is harder than my head. Just.
    R(30896, false, 14, -1, NONE, NONE, NONE, 6),  // Crack! Another piece for the pile.
    R(30898, false, 14, -1, FROWN, NONE, NONE, 6),  // Rocks don't break themselves, sadly.
    R(30900, false, 14, -1, NONE, NONE, NONE, 6),  // My arms are turning to stone.
    R(30902, false, 14, -1, SMILE, NONE, NONE, 6),  // Good solid rock. We'll build something fine with this.
    R(30904, false, 14, -1, NONE, NONE, NONE, 6),  // I think this rock is winning.
    R(30906, false, 14, -1, NONE, NONE, NONE, 7),  // Timber! Well, soon.
    R(30908, false, 14, -1, NONE, NONE, NONE, 7),  // Sorry, tree. We need your wood.
    R(30910, false, 14, -1, SMILE, NONE, NONE, 7),  // I love the smell of fresh wood.
    R(30912, false, 14, -1, NONE, NONE, NONE, 7),  // Chop, chop, chop. Nearly through!
    R(30914, false, 14, -1, NONE, NONE, NONE, 7),  // This tree has very strong opinions about being chopped.
    R(30916, false, 14, -1, NEUTRAL, NONE, NONE, 7),  // Mind your toes when it falls.
    R(30918, false, 14, -1, SMILE, NONE, NONE, 8),  // Grow, little plants, grow!
    R(30920, false, 14, -1, NONE, NONE, NONE, 8),  // I think the carrots are listening to me.
    R(30922, false, 14, -1, NONE, NONE, NONE, 8),  // There's something peaceful about the garden.
    R(30924, false, 14, -1, NONE, NONE, NONE, 8),  // Dirt under my nails again. Worth it.
    R(30926, false, 14, -1, SMILE, NEUTRAL, NONE, 8),  // These vegetables will taste lovely.
    R(30928, false, 14, -1, NONE, NONE, NONE, 8),  // Shoo, birds! These seeds aren't for you.
    R(30930, false, 14, -1, NONE, NONE, NONE, 8),  // I could watch things grow all day.
    R(30932, false, 14, -1, NONE, NONE, NONE, 8),  // A little water, a little sun, a lot of patience.
    R(30934, false, 14, -1, SURPRISED, NONE, NONE, 9),  // Ooh, what happens if I mix these two?
    R(30936, false, 14, -1, NONE, NONE, NONE, 9),  // Science is mostly making things smell funny.
    R(30938, false, 14, -1, SMILE, NONE, NONE, 9),  // I think I'm on to something!
    R(30940, false, 14, -1, NONE, NONE, NONE, 9),  // Where did I put my notes?
    R(30942, false, 14, -1, NONE, NONE, NONE, 9),  // Hmm. That wasn't supposed to turn green.
    R(30944, false, 14, -1, NONE, NONE, NONE, 9),  // Every bubble is a new idea.
    R(30946, false, 14, -1, NEUTRAL, NONE, NONE, 9),  // Careful now. Careful...
    R(30948, false, 14, -1, NONE, NONE, NONE, 9),  // I'm a real scientist now.
    R(30950, false, 14, -1, NONE, NONE, NONE, 9),  // If this works, I'll be famous. On this island, anyway.
    R(30952, false, 14, -1, SMILE, NONE, NONE, 10),  // Making things with my own hands is the best.
    R(30954, false, 14, -1, NONE, NONE, NONE, 10),  // This one's going to be my finest work yet.
    R(30956, false, 14, -1, NONE, NONE, NONE, 10),  // Snip here, stitch there...
    R(30958, false, 14, -1, NEUTRAL, NONE, NONE, 10),  // Measure twice, cut once.
    R(30960, false, 14, -1, NONE, NONE, NONE, 10),  // I'm getting quite handy at this.
    R(30962, false, 14, -1, NONE, NONE, NONE, 10),  // Someone is going to love wearing this.
    R(30964, false, 14, -1, NONE, NONE, NONE, 10),  // A little bit more... there. Perfect.
    R(30966, false, 14, -1, SMILE, NONE, NONE, 11),  // It's really starting to take shape!
    R(30968, false, 14, -1, NONE, NONE, NONE, 11),  // A bit to the left... no, the right.
    R(30970, false, 14, -1, NONE, NONE, NONE, 11),  // Bang, bang, bang. Who needs music?
    R(30972, false, 14, -1, NONE, NONE, NONE, 11),  // I hope this one doesn't fall over.
    R(30974, false, 14, -1, SMILE, NEUTRAL, NONE, 11),  // We'll be proud of this when it's done.
    R(30976, false, 14, -1, NONE, NONE, NONE, 11),  // Every building starts with one plank.
    R(30978, false, 14, -1, NONE, NONE, NONE, 11),  // My thumb is sore. I won't say why.
    R(30980, false, -1, -1, NONE, NONE, NONE, 12),  // The water's lovely once you're in.
    R(30982, false, -1, -1, WORRIED, SURPRISED, ANGRY, 12),  // Something brushed my leg!
    R(30984, false, -1, -1, NONE, NONE, NONE, 12),  // I feel as light as a feather in the water.
    R(30986, false, -1, -1, SMILE, NONE, NONE, 12),  // A swim is just what I needed.
    R(30988, false, -1, -1, NONE, NONE, NONE, 12),  // Don't go out too far now.
    R(30990, false, -1, -1, NONE, NONE, NONE, 12),  // I hope there's nothing with teeth down there.
    R(30992, false, -1, -1, NONE, NONE, NONE, 12),  // The sea is so clear I can see my toes.
    R(30994, false, -1, -1, NEUTRAL, NONE, NONE, 12),  // Paddle, paddle, paddle.
    R(30996, false, -1, -1, NONE, NONE, NONE, 12),  // Cool water on a warm day. Perfect.
    R(30998, false, -1, -1, NONE, NONE, NONE, 12),  // The waves are rocking me to sleep.
    R(31000, false, -1, -1, WORRIED, SURPRISED, NONE, 12),  // Is it getting deeper?
    R(31002, false, -1, -1, NONE, NONE, NONE, 12),  // I'll be salty all day now.
    R(31004, false, -1, -1, SMILE, NONE, NONE, 12),  // Floating on my back, looking at the clouds.
    R(31006, false, -1, -1, NONE, NONE, NONE, 12),  // A little fish just swam right past me!
    R(31008, false, -1, -1, NONE, NONE, NONE, 12),  // I'm all wet. That's the idea, I suppose.
    R(31010, false, -1, -1, WORRIED, SURPRISED, ANGRY, 12),  // Seaweed! Get it off!
    R(31012, false, -1, -1, NONE, NONE, NONE, 12),  // The sea is warmer than I thought.
    R(31014, false, -1, -1, WORRIED, SURPRISED, ANGRY, 13),  // This is the worst storm I've ever seen!
    R(31016, false, -1, -1, WORRIED, SURPRISED, NONE, 15),  // Thunder and lightning! Everybody keep your heads down.
    R(31018, false, -1, -1, NEUTRAL, NONE, NONE, 17),  // I could do with a little sit-down.
    R(31020, true, -1, -1, NEUTRAL, NONE, NONE, 17),  // I feel a yawn coming on...
    R(31022, false, -1, -1, NONE, NONE, NONE, 17),  // I'm running out of puff.
    R(31024, false, -1, -1, NONE, NONE, NONE, 17),  // A nap would be nice. Just a little one.
    R(31026, false, -1, -1, NONE, NONE, NONE, 17),  // My legs are getting heavy.
    R(31028, false, -1, -1, NEUTRAL, NONE, NONE, 18),  // I'm so tired I could sleep standing up.
    R(31030, false, -1, -1, NONE, NONE, NONE, 18),  // My eyes keep closing on their own.
    R(31032, false, -1, -1, FROWN, NONE, NONE, 18),  // I need a proper rest, and soon.
    R(31034, false, -1, -1, NONE, NONE, NONE, 18),  // Everything is getting a bit blurry.
    R(31036, false, -1, -1, NONE, NONE, NONE, 18),  // I'd give anything for a soft bed right now.
    R(31038, false, -1, -1, NONE, NONE, NONE, 18),  // Must... stay... awake...
    R(31040, false, -1, -1, NONE, NONE, NONE, 21),  // My tummy is starting to rumble.
    R(31042, false, -1, -1, NEUTRAL, NONE, NONE, 21),  // Is it nearly dinner time?
    R(31044, false, -1, -1, NONE, NONE, NONE, 21),  // I could eat a whole fish. Maybe two.
    R(31046, false, -1, -1, NONE, NONE, NONE, 21),  // Something smells good. Or am I dreaming?
    R(31048, false, -1, -1, WORRIED, NONE, NONE, 22),  // I'm really hungry now.
    R(31050, false, -1, -1, FROWN, NONE, NONE, 22),  // My stomach is making very rude noises.
    R(31052, false, -1, -1, NONE, NONE, NONE, 22),  // I'd eat anything. Even seaweed.
    R(31054, false, -1, -1, WORRIED, NONE, NONE, 22),  // When did I last eat? I can't remember.
    R(31056, false, -1, -1, NONE, NONE, NONE, 22),  // I'm so hungry I could eat a coconut, shell and all.
    R(31058, false, -1, -1, FROWN, NONE, NONE, 22),  // Food. I need food.
    R(31060, false, -1, -1, NONE, NONE, NONE, 22),  // Dreaming of roast fish...
    R(31062, false, -1, -1, WORRIED, SURPRISED, NONE, 22),  // I feel a bit wobbly from hunger.
    R(31064, false, -1, -1, NONE, NONE, NONE, 22),  // Is there anything at all to eat around here?
    R(31066, false, -1, 14, NONE, NONE, NONE, 12),  // Splash! I'm a fish!
    R(31068, false, -1, 14, ANGRY, SMILE, NEUTRAL, 12),  // Who put all this water here?
    R(31070, false, -1, 14, NONE, NONE, NONE, 12),  // I can hold my breath for ages!
    R(31072, false, -1, 14, NONE, NONE, NONE, 12),  // Something tickled my toes!
    R(31074, false, -1, 14, NONE, NONE, NONE, 12),  // I'm not cold. My teeth just chatter.
    R(31076, false, -1, 14, NONE, NONE, NONE, 12),  // Look, I'm swimming! Well, nearly.
    R(31078, false, -1, 14, NONE, NONE, NONE, 12),  // The waves keep knocking me over!
    R(31080, false, -1, 14, NONE, NONE, NONE, 12),  // I'm going to swim all the way to the horizon.
    R(31082, false, -1, 14, NONE, NONE, NONE, 12),  // My fingers have gone all wrinkly.
    R(31084, false, 1, 2, NONE, NONE, NONE, 20),  // Ga! Ga ga!
    R(31086, false, 1, 2, NONE, NONE, NONE, 20),  // Mama? Mama!
    R(31088, false, 1, 2, NONE, NONE, NONE, 20),  // Ooh... shiny!
    R(31090, false, 1, 2, NONE, NONE, NONE, 20),  // Bababa...
    R(31092, false, 1, 2, NONE, NONE, NONE, 20),  // Hee hee! Toes!
    R(31094, false, 14, -1, SURPRISED, SMILE, NEUTRAL, 19),  // The fish seem to have gone somewhere else.
    R(31096, false, 14, -1, SURPRISED, SMILE, NEUTRAL, 19),  // Not many fish left around here.
    R(31098, false, 14, -1, SURPRISED, SMILE, NEUTRAL, 19),  // Hello? Any fish at home?
    R(31100, false, 14, -1, SURPRISED, SMILE, NEUTRAL, 19),  // Maybe I should try another spot.
    R(31102, false, 14, -1, SURPRISED, SMILE, NEUTRAL, 19),  // I've caught nearly all of them, haven't I?
    R(31104, false, 14, -1, SURPRISED, SMILE, NEUTRAL, 19),  // These last fish are too clever for me.
    R(31106, false, 14, -1, SURPRISED, SMILE, NEUTRAL, 19),  // We should let the fish have a rest.
};
// clang-format on

}  // namespace thought_catalogue
