# The game's generated assets: the target `game-assets` runs asset-generator into
# ${GLV_GAME_ASSETS_DIR} (again only when the generator changes), and
# glv_embed_game_assets(<target>) embeds all of them under their asset ids.
set(GLV_GAME_ASSETS_DIR ${CMAKE_BINARY_DIR}/game-assets CACHE INTERNAL "")
# The condensed faces (fonts-dejavu-extra) fit the glyph cells best; the plain bold ones
# (fonts-dejavu-core) stand in when they are missing.
find_file(GLV_FONT_SANS NAMES DejaVuSansCondensed-Bold.ttf DejaVuSans-Bold.ttf PATHS /usr/share/fonts/truetype/dejavu REQUIRED NO_DEFAULT_PATH)
find_file(GLV_FONT_SERIF NAMES DejaVuSerifCondensed-Bold.ttf DejaVuSerif-Bold.ttf PATHS /usr/share/fonts/truetype/dejavu REQUIRED NO_DEFAULT_PATH)
find_file(GLV_FONT_TTF DejaVuSerif-Bold.ttf PATHS /usr/share/fonts/truetype/dejavu REQUIRED NO_DEFAULT_PATH)

include(${CMAKE_CURRENT_LIST_DIR}/GameAssetIds.cmake)  # GLV_GAME_ASSET_IDS
set(GLV_GAME_ASSET_IDS ${GLV_GAME_ASSET_IDS} CACHE INTERNAL "")

set(GLV_GAME_ASSET_FILES "")
foreach(id IN LISTS GLV_GAME_ASSET_IDS)
  list(APPEND GLV_GAME_ASSET_FILES ${GLV_GAME_ASSETS_DIR}/${id})
endforeach()
set(GLV_GAME_ASSET_FILES ${GLV_GAME_ASSET_FILES} CACHE INTERNAL "")

add_custom_command(OUTPUT ${GLV_GAME_ASSET_FILES} ${GLV_GAME_ASSETS_DIR}/inventory.txt ${GLV_GAME_ASSETS_DIR}/skill-tree.txt
                   COMMAND asset-generator ${GLV_GAME_ASSETS_DIR} ${GLV_FONT_SANS} ${GLV_FONT_SERIF} ${GLV_FONT_TTF}
                   DEPENDS asset-generator ${GLV_FONT_SANS} ${GLV_FONT_SERIF} ${GLV_FONT_TTF}
                   COMMENT "Generating the game's pictures, sounds, music and fonts" VERBATIM)
add_custom_target(game-assets DEPENDS ${GLV_GAME_ASSET_FILES} ${GLV_GAME_ASSETS_DIR}/inventory.txt)

# Embeds every generated asset into <target> under its id ("assets/ui/windowBorder.png", ...).
function(glv_embed_game_assets target)
  set(named "")
  foreach(id IN LISTS GLV_GAME_ASSET_IDS)
    list(APPEND named "${id}" "${GLV_GAME_ASSETS_DIR}/${id}")
  endforeach()
  add_dependencies(${target} game-assets)
  glv_embed_resources(${target} NAMED ${named})
endfunction()
